#pragma once
// The message catalogue: every text the program shows or writes (messages, dialog texts,
// report and journal lines), by id, in the language chosen for the process. A text may hold
// printf-style placeholders, which its user fills, e.g. Format(Text(TextId::X), n).

#include "text/TextId.h"

namespace vorna {

enum class Language { Japanese, English };

// The language of every text asked for afterwards; Japanese until set.
void SetLanguage(Language language);
Language CurrentLanguage();

// The text of `id` in the current language, or in `language`.
const char* Text(TextId id);
const char* Text(TextId id, Language language);

}  // namespace vorna
