#include "ViewWidget.h"

#include <QPainter>

#include "QtCanvas.h"
#include "view/DesignView.h"

namespace vorna {

ViewWidget::ViewWidget(DesignView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName(QStringLiteral("viewArea"));
    setFixedSize(kViewWidth, kViewHeight);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void ViewWidget::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        QtCanvas canvas(painter);
        view_.OnDraw(canvas);
    }
    emit Painted();
}

}  // namespace vorna
