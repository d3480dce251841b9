#pragma once
// The help documents' sources: Markdown with directives whose numbers, tables and figures
// come from the command-line program, run while the documents are built.
//
//   {{design NAME: ARGS}}           designs with `vorna-cli design ARGS`; expands to nothing
//   {{NAME.PATH}}, {{NAME.PATH:D}}  a number of that design's JSON (dotted path, array
//                                   indices allowed), with D decimals
//   {{NAME.PATH:UNIT}}              the same in engineering notation with its unit ("Hz":
//                                   41.77 MHz), to four significant digits
//   {{NAME.sections}}               a table of the design's sections: transfer functions, Fc, Q
//   {{figure NAME GRAPH: CAPTION}}  the design drawn by `vorna-cli plot --graph GRAPH`, as a
//                                   numbered figure with its caption
//   {{circuit NAME: ARGS}}          a circuit output `vorna-cli circuit ARGS` with its
//                                   schematic, bill of materials and drawing; expands to
//                                   nothing, and NAME's numbers are those of its JSON
//   {{verify NAME: ARGS}}           a circuit simulated by `vorna-cli verify ARGS`; expands to
//                                   nothing, and NAME's numbers are those of its JSON
//   {{NAME.bom}}                    that circuit's bill of materials as a table
//   {{values A B: HEADS}}           the resistors' and capacitors' values of circuit A beside
//                                   those of circuit B, in engineering notation, under the
//                                   three column heads HEADS ("designator | A | B")
//   {{schematic NAME: CAPTION}}     that circuit's drawing as a numbered figure

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "text/Texts.h"

namespace vorna::help {

// Runs the command-line program with `arguments` in a folder where it may write its journal;
// its standard output, or nothing when it failed.
using CliRunner = std::function<std::optional<QByteArray>(const QStringList& arguments)>;

struct HelpText {
    QString markdown;                 // figure N is the image "figure:N"
    std::vector<QByteArray> figures;  // the SVG of each figure
    QString error;                    // empty when every directive expanded
};

// Expands the directives of `source`, with the tables' heads and the figures' captions in
// `language` (the program's own numbers and drawings come from `run`).
HelpText ExpandHelpText(const QString& source, const CliRunner& run, Language language);

}  // namespace vorna::help
