#pragma once
// What the program opens at start-up, from its command line.

#include <QString>
#include <QStringList>

namespace vorna {

struct StartupRequest {
    enum class Kind { NewDocument, NoDocument, OpenDocument };
    Kind kind = Kind::NewDocument;
    QString path;  // OpenDocument only
};

// `arguments` without the program name: none starts a new document, "-e" or "/e" (any case,
// anything may follow) starts without a document, anything else is a document to open.
StartupRequest ParseCommandLine(const QStringList& arguments);

}  // namespace vorna
