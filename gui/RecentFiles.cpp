#include "RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace vorna {
namespace {

constexpr const char* kGroup = "Recent File List";

QString Key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

}  // namespace

RecentFiles::RecentFiles() {
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < kCapacity; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty() && !paths_.contains(path)) paths_ << path;
    }
}

void RecentFiles::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths_.removeAll(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kCapacity) paths_.removeLast();
    Save();
}

void RecentFiles::Remove(const QString& path) {
    paths_.removeAll(QFileInfo(path).absoluteFilePath());
    Save();
}

void RecentFiles::Save() const {
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kGroup));
    for (int i = 0; i < kCapacity; ++i) {
        if (i < paths_.size()) {
            settings.setValue(Key(i), paths_[i]);
        } else {
            settings.remove(Key(i));
        }
    }
}

}  // namespace vorna
