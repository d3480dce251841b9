#include "text/Texts.h"

#include <atomic>

#include "text/TextTable.h"

namespace vorna {

namespace {

std::atomic<Language> currentLanguage{Language::Japanese};

std::span<const TextEntry> TableOf(Language language) {
    switch (language) {
        case Language::Japanese:
            return JapaneseTexts();
        case Language::English:
            return EnglishTexts();
    }
    return JapaneseTexts();
}

}  // namespace

void SetLanguage(Language language) {
    currentLanguage = language;
}

Language CurrentLanguage() {
    return currentLanguage;
}

const char* Text(TextId id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    const char* text = TableOf(language)[index].text;
    return text != kSameInEveryLanguage ? text : EnglishTexts()[index].text;
}

const char* Text(TextId id) {
    return Text(id, currentLanguage);
}

}  // namespace vorna
