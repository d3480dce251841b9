#include "CommandLine.h"

namespace vorna {

StartupRequest ParseCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return {};
    const QString& first = arguments.front();
    if (first.size() >= 2 && (first[0] == u'-' || first[0] == u'/') &&
        (first[1] == u'e' || first[1] == u'E')) {
        return {StartupRequest::Kind::NoDocument, {}};
    }
    return {StartupRequest::Kind::OpenDocument, first};
}

}  // namespace vorna
