#include "FileFilters.h"

#include <QRegularExpression>

#include "text/Texts.h"

namespace vorna {

QStringList ToNameFilters(const std::vector<FileFilter>& filters) {
    QStringList result;
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (const FileFilter& filter : filters) {
        QString description = QString::fromStdString(filter.description);
        description.remove(trailingPatterns);
        QString patterns = QString::fromStdString(filter.patterns);
        patterns.replace(u';', u' ');
        result << QStringLiteral("%1 (%2)").arg(description, patterns.simplified());
    }
    if (result.isEmpty()) result << QString::fromUtf8(Text(TextId::AllFilesFilter));
    return result;
}

}  // namespace vorna
