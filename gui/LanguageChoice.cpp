#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace vorna {
namespace {

constexpr const char* kSettingsKey = "Settings/Language";

struct LanguageName {
    Language language;
    const char* option;
    const char* menuText;
};

constexpr LanguageName kLanguageNames[] = {
    {Language::Japanese, "ja", "日本語(&J)"},
    {Language::English, "en", "&English"},
};

const LanguageName& NameOf(Language language) {
    for (const LanguageName& name : kLanguageNames) {
        if (name.language == language) return name;
    }
    return kLanguageNames[0];
}

}  // namespace

std::optional<Language> LanguageNamed(QStringView name) {
    for (const LanguageName& known : kLanguageNames) {
        if (name.compare(QLatin1StringView(known.option), Qt::CaseInsensitive) == 0)
            return known.language;
    }
    return std::nullopt;
}

QString LanguageMenuText(Language language) {
    return QString::fromUtf8(NameOf(language).menuText);
}

Language SavedLanguage() {
    const QString saved = QSettings().value(QLatin1StringView(kSettingsKey)).toString();
    return LanguageNamed(saved).value_or(Language::Japanese);
}

void SaveLanguage(Language language) {
    QSettings().setValue(QLatin1StringView(kSettingsKey),
                         QLatin1StringView(NameOf(language).option));
}

LanguageSwitch::LanguageSwitch() = default;

// A translator leaves the toolkit when it is destroyed.
LanguageSwitch::~LanguageSwitch() = default;

void LanguageSwitch::Apply(Language language) {
    SetLanguage(language);
    if (language != Language::Japanese) {
        translator_.reset();
        return;
    }
    if (translator_) return;
    // The toolkit's own choosers (files, fonts, printing) speak Japanese like the program.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
}

}  // namespace vorna
