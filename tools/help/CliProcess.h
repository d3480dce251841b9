#pragma once
// The command-line program run as a separate process for the help documents' directives.

#include <QString>

#include "HelpText.h"
#include "text/Texts.h"

namespace vorna::help {

// Runs `program` in `folder` and in `language` (whatever the builder's own environment
// chooses), waiting up to two minutes; a failure is described on stderr.
CliRunner CliProcessRunner(const QString& program, Language language, const QString& folder);

}  // namespace vorna::help
