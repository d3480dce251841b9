#include "Printing.h"

#include <QPainter>
#include <QPrinter>

#include "QtCanvas.h"
#include "view/DesignView.h"

namespace vorna {

bool PrintView(QPrinter& printer, DesignView& view) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    {
        QtCanvas canvas(painter);
        view.OnPrint(canvas);
    }
    return painter.end();
}

}  // namespace vorna
