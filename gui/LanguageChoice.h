#pragma once
// The language the desktop speaks: the user's choice kept in the settings, the `--lang`
// option's names for it, and the toolkit's own translation that goes with it.

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

#include "text/Texts.h"

class QTranslator;

namespace vorna {

// The language an option value names ("en" or "ja", any case); nothing for any other value.
std::optional<Language> LanguageNamed(QStringView name);
// The language's name in its own script with its menu accelerator ("日本語(&J)", "&English").
QString LanguageMenuText(Language language);

// The language chosen in the settings; Japanese when none is.
Language SavedLanguage();
void SaveLanguage(Language language);

// The language of the texts with the toolkit's own translation that goes with it.
class LanguageSwitch {
public:
    LanguageSwitch();
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Makes `language` the language of every text shown afterwards, the toolkit's buttons
    // and choosers included; what is already shown keeps its texts.
    void Apply(Language language);

private:
    std::unique_ptr<QTranslator> translator_;
};

}  // namespace vorna
