// Builds the help documents: vorna-make-help CLI FOLDER SOURCE.md NAME.pdf [SOURCE.md NAME.pdf]...
// Each Markdown source has its directives expanded by running the command-line program CLI,
// and is written to FOLDER/NAME.pdf. Any failure stops the build with a message.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

#include "HelpPdf.h"
#include "HelpText.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "vorna-make-help: %s\n", qPrintable(message));
    return 1;
}

// Runs `program` in `folder`, where a circuit output leaves its journal.
vorna::help::CliRunner RunnerFor(const QString& program, const QString& folder) {
    return [program, folder](const QStringList& arguments) -> std::optional<QByteArray> {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            std::fprintf(stderr, "%s %s failed: %s\n", qPrintable(program),
                         qPrintable(arguments.join(u' ')),
                         process.readAllStandardError().constData());
            return std::nullopt;
        }
        return process.readAllStandardOutput();
    };
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
    if (arguments.size() < 4 || arguments.size() % 2 != 0)
        return Fail(QStringLiteral("usage: vorna-make-help CLI FOLDER SOURCE.md NAME.pdf ..."));
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return Fail(QStringLiteral("no temporary folder: %1").arg(scratch.errorString()));
    const auto run = RunnerFor(QFileInfo(arguments[0]).absoluteFilePath(), scratch.path());
    const QDir folder(arguments[1]);
    for (qsizetype i = 2; i < arguments.size(); i += 2) {
        QFile source(arguments[i]);
        if (!source.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("%1: %2").arg(arguments[i], source.errorString()));
        const vorna::help::HelpText text =
            vorna::help::ExpandHelpText(QString::fromUtf8(source.readAll()), run);
        if (!text.error.isEmpty())
            return Fail(QStringLiteral("%1: %2").arg(arguments[i], text.error));
        QString error;
        const QString target = folder.filePath(arguments[i + 1]);
        if (!vorna::help::WriteHelpPdf(text, TitleOf(text.markdown), target, error))
            return Fail(QStringLiteral("%1: %2").arg(target, error));
    }
    return 0;
}
