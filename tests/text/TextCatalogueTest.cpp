#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "text/Message.h"
#include "text/Texts.h"

namespace vorna {
namespace {

TEST(TextCatalogue, EveryIdHasATextInEveryLanguage) {
    for (const Language language : {Language::Japanese, Language::English}) {
        for (std::size_t i = 0; i < kTextIdCount; ++i) {
            const char* text = Text(static_cast<TextId>(i), language);
            ASSERT_NE(text, nullptr) << "id " << i;
            EXPECT_NE(std::string(text), "") << "id " << i;
        }
    }
}

// The printf conversions of `text` in order, each as written (e.g. "%-9s", "%.2lf"); "%%" is no
// conversion.
std::vector<std::string> Conversions(std::string_view text) {
    std::vector<std::string> conversions;
    for (std::size_t i = text.find('%'); i != std::string_view::npos; i = text.find('%', i)) {
        if (i + 1 < text.size() && text[i + 1] == '%') {
            i += 2;
            continue;
        }
        const std::size_t end = text.find_first_of("diouxXeEfFgGaAcspn", i + 1);
        conversions.emplace_back(text.substr(i, end == std::string_view::npos ? end : end + 1 - i));
        if (end == std::string_view::npos) break;
        i = end + 1;
    }
    return conversions;
}

TEST(TextCatalogue, EnglishTextsTakeTheJapanesePlaceholdersInOrder) {
    EXPECT_EQ(Conversions("%2d(BP1)%s R1_%-d = %-9s 100 %% %.2lf %zu"),
              (std::vector<std::string>{"%2d", "%s", "%-d", "%-9s", "%.2lf", "%zu"}));
    for (std::size_t i = 0; i < kTextIdCount; ++i) {
        const auto id = static_cast<TextId>(i);
        EXPECT_EQ(Conversions(Text(id, Language::English)),
                  Conversions(Text(id, Language::Japanese)))
            << "id " << i;
    }
}

TEST(TextCatalogue, EnglishTextsAreAsciiButForChosenSymbols) {
    const std::string_view symbols[] = {"√", "−", "π", "ω", "σ"};
    for (std::size_t i = 0; i < kTextIdCount; ++i) {
        std::string text = Text(static_cast<TextId>(i), Language::English);
        for (const std::string_view symbol : symbols)
            for (std::size_t at; (at = text.find(symbol)) != std::string::npos;)
                text.erase(at, symbol.size());
        for (const char c : text)
            EXPECT_EQ(static_cast<unsigned char>(c) & 0x80, 0) << "id " << i << ": " << text;
    }
}

TEST(TextCatalogue, JapaneseStaysTheDefault) {
    EXPECT_EQ(CurrentLanguage(), Language::Japanese);
    EXPECT_STREQ(Text(TextId::ButtonCancel), Text(TextId::ButtonCancel, Language::Japanese));
}

TEST(TextCatalogue, MessagesFillTheirPlaceholdersInOrder) {
    struct Case {
        Message message;
        std::string shown;
    };
    const Case cases[] = {
        {{TextId::EnterIntegerBetween, {"2", "58"}}, "Please enter an integer between 2 and 58."},
        {{TextId::EnterNumberBetween, {"0", "1e+05"}},
         "Please enter a number between 0 and 1e+05."},
        {{TextId::ReadTooLarge, {"a.txt", "65536"}},
         "「a.txt」は大きすぎるので読み込めません（65536 バイトまで）"},
        {{TextId::ToleranceOutOfRange, {"抵抗", "50"}},
         "抵抗の許容差は 0 から 50 % までの数値で入力して下さい"},
        // Missing values leave their placeholders empty; extra ones are not shown.
        {{TextId::DesignFileUnopenable, {"a.vorna"}}, "設計ファイル「a.vorna」を開けません。\n"},
        {{TextId::EnterNumber, {"unused"}}, "Please enter a number."},
    };
    for (const auto& c : cases) EXPECT_EQ(MessageText(c.message), c.shown);
}

}  // namespace
}  // namespace vorna
