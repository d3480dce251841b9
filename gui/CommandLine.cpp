#include "CommandLine.h"

namespace vorna {
namespace {

constexpr QLatin1StringView kLanguageOption("--lang");
constexpr QLatin1StringView kLanguageAssignment("--lang=");

}  // namespace

StartupRequest ParseCommandLine(const QStringList& arguments) {
    StartupRequest request;
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == kLanguageOption) {
            request.language = i + 1 < arguments.size() ? arguments[++i] : QString();
        } else if (argument.startsWith(kLanguageAssignment)) {
            request.language = argument.mid(kLanguageAssignment.size());
        } else {
            rest << argument;
        }
    }
    if (rest.isEmpty()) return request;
    const QString& first = rest.front();
    if (first.size() >= 2 && (first[0] == u'-' || first[0] == u'/') &&
        (first[1] == u'e' || first[1] == u'E')) {
        request.kind = StartupRequest::Kind::NoDocument;
    } else {
        request.kind = StartupRequest::Kind::OpenDocument;
        request.path = first;
    }
    return request;
}

}  // namespace vorna
