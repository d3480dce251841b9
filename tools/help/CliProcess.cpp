#include "CliProcess.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdio>

namespace vorna::help {

CliRunner CliProcessRunner(const QString& program, Language language, const QString& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VORNA_LANG"),
                       language == Language::English ? QStringLiteral("en") : QStringLiteral("ja"));
    return
        [program, environment, folder](const QStringList& arguments) -> std::optional<QByteArray> {
            QProcess process;
            process.setProcessEnvironment(environment);
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

}  // namespace vorna::help
