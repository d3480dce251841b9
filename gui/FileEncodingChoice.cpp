#include "FileEncodingChoice.h"

#include <QSettings>

namespace vorna {
namespace {

constexpr const char* kSettingsKey = "Settings/FileEncoding";

struct EncodingName {
    FileTextEncoding encoding;
    const char* setting;
    const char* menuText;
};

constexpr EncodingName kEncodingNames[] = {
    {FileTextEncoding::Cp932, "cp932", "&CP932 (Shift_JIS)"},
    {FileTextEncoding::Utf8, "utf-8", "&UTF-8"},
};

const EncodingName& NameOf(FileTextEncoding encoding) {
    for (const EncodingName& name : kEncodingNames) {
        if (name.encoding == encoding) return name;
    }
    return kEncodingNames[0];
}

}  // namespace

QString FileEncodingMenuText(FileTextEncoding encoding) {
    return QString::fromLatin1(NameOf(encoding).menuText);
}

std::optional<FileTextEncoding> SavedFileEncoding() {
    const QString saved = QSettings().value(QLatin1StringView(kSettingsKey)).toString();
    for (const EncodingName& name : kEncodingNames) {
        if (saved == QLatin1StringView(name.setting)) return name.encoding;
    }
    return std::nullopt;
}

void SaveFileEncoding(FileTextEncoding encoding) {
    QSettings().setValue(QLatin1StringView(kSettingsKey),
                         QLatin1StringView(NameOf(encoding).setting));
}

void ApplyFileEncoding() {
    SetFileTextEncoding(SavedFileEncoding().value_or(DefaultFileTextEncoding(CurrentLanguage())));
}

}  // namespace vorna
