#pragma once
// Printing a view: one page, painted by the view's print paint.

class QPrinter;

namespace vorna {

class DesignView;

// Prints `view` on `printer` (already set up); false when the printer could not start.
bool PrintView(QPrinter& printer, DesignView& view);

}  // namespace vorna
