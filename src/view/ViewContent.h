#pragma once
// What the view shows. Design files and the graph dialog know them by number: display mode
// 1 graph and 2 coefficient list, graph kind 301 and 302 (the dialog's radio ids); the
// conversions happen where those are read and written.

namespace vorna {

enum class DisplayMode {
    Blank,            // while a command's dialogs are open
    Graph,            // the graph chosen by GraphKind
    CoefficientList,  // the sections' coefficients as text
};

enum class GraphKind { Response, PoleZero };

}  // namespace vorna
