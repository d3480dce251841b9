// Builds the help documents: vorna-make-help CLI FOLDER SOURCE.md NAME.pdf LANG [...]
// Each Markdown source has its directives expanded by running the command-line program CLI in
// the document's language LANG (ja or en), and is written to FOLDER/NAME.pdf. Any failure
// stops the build with a message.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

#include "CliProcess.h"
#include "HelpPdf.h"
#include "HelpText.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "vorna-make-help: %s\n", qPrintable(message));
    return 1;
}

std::optional<vorna::Language> LanguageNamed(const QString& name) {
    if (name == QStringLiteral("ja")) return vorna::Language::Japanese;
    if (name == QStringLiteral("en")) return vorna::Language::English;
    return std::nullopt;
}

// The document's title: its first heading.
QString TitleOf(const QString& markdown) {
    static const QRegularExpression kHeading(QStringLiteral(R"(^#\s+(.+)$)"),
                                             QRegularExpression::MultilineOption);
    return kHeading.match(markdown).captured(1).trimmed();
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts and pages only: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 5 || (arguments.size() - 2) % 3 != 0)
        return Fail(
            QStringLiteral("usage: vorna-make-help CLI FOLDER SOURCE.md NAME.pdf ja|en ..."));
    // The circuit outputs leave their journals here rather than in the build's folder.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return Fail(QStringLiteral("no temporary folder: %1").arg(scratch.errorString()));
    const QString program = QFileInfo(arguments[0]).absoluteFilePath();
    const QDir folder(arguments[1]);
    for (qsizetype i = 2; i < arguments.size(); i += 3) {
        const auto language = LanguageNamed(arguments[i + 2]);
        if (!language)
            return Fail(QStringLiteral("%1: the language \"%2\" is neither ja nor en")
                            .arg(arguments[i], arguments[i + 2]));
        QFile source(arguments[i]);
        if (!source.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("%1: %2").arg(arguments[i], source.errorString()));
        const vorna::help::HelpText text = vorna::help::ExpandHelpText(
            QString::fromUtf8(source.readAll()),
            vorna::help::CliProcessRunner(program, *language, scratch.path()), *language);
        if (!text.error.isEmpty())
            return Fail(QStringLiteral("%1: %2").arg(arguments[i], text.error));
        QString error;
        const QString target = folder.filePath(arguments[i + 1]);
        if (!vorna::help::WriteHelpPdf(text, TitleOf(text.markdown), *language, target, error))
            return Fail(QStringLiteral("%1: %2").arg(target, error));
    }
    return 0;
}
