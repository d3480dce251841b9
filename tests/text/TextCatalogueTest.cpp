#include <gtest/gtest.h>

#include <string>

#include "text/Message.h"
#include "text/Texts.h"

namespace vorna {
namespace {

TEST(TextCatalogue, EveryIdHasATextInEveryLanguage) {
    for (const Language language : {Language::Japanese}) {
        for (std::size_t i = 0; i < kTextIdCount; ++i) {
            const char* text = Text(static_cast<TextId>(i), language);
            ASSERT_NE(text, nullptr) << "id " << i;
            EXPECT_NE(std::string(text), "") << "id " << i;
        }
    }
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
