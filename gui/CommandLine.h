#pragma once
// What the program opens at start-up, from its command line.

#include <QString>
#include <QStringList>
#include <optional>

namespace vorna {

struct StartupRequest {
    enum class Kind { NewDocument, NoDocument, OpenDocument };
    Kind kind = Kind::NewDocument;
    QString path;  // OpenDocument only
    // The value of "--lang VALUE" or "--lang=VALUE" as given (empty when it has none).
    std::optional<QString> language;
};

// `arguments` without the program name. "--lang VALUE" or "--lang=VALUE" may stand anywhere;
// of the others, none starts a new document, "-e" or "/e" (any case, anything may follow)
// starts without a document, anything else is a document to open.
StartupRequest ParseCommandLine(const QStringList& arguments);

}  // namespace vorna
