#pragma once
// One language's table: the text of every id, listed in the ids' order.

#include <span>

#include "text/TextId.h"

namespace vorna {

struct TextEntry {
    TextId id;
    const char* text;
};

// The text of a table entry that reads the same in every language (the command line's own
// messages, the entry checks' specified English): the English table holds it.
inline constexpr const char* kSameInEveryLanguage = nullptr;

// True when `table` lists every id once, in the order of TextId.
constexpr bool ListsEveryIdInOrder(std::span<const TextEntry> table) {
    if (table.size() != kTextIdCount) return false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].id) != i) return false;
    }
    return true;
}

std::span<const TextEntry> JapaneseTexts();
std::span<const TextEntry> EnglishTexts();

}  // namespace vorna
