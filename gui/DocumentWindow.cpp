#include "DocumentWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>

#include "ViewWidget.h"

namespace vorna {
namespace {

// Line steps of the scroll bars: a tenth of a tenth of the scrollable size.
constexpr int kLineStepX = kViewWidth / 100;
constexpr int kLineStepY = kViewHeight / 100;

}  // namespace

DocumentWindow::DocumentWindow(QWidget* parent)
    : QScrollArea(parent),
      document_(std::make_unique<CKorvelDoc>()),
      view_(std::make_unique<CKorvelView>(*document_)),
      area_(new ViewWidget(*view_, this)) {
    setObjectName(QStringLiteral("documentWindow"));
    setWidget(area_);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Beyond the scrollable area the client area is white too.
    QPalette background = viewport()->palette();
    background.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(background);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(kLineStepX);
    verticalScrollBar()->setSingleStep(kLineStepY);
    view_->onInvalidate = [area = area_] { area->update(); };
}

DocumentWindow::~DocumentWindow() {
    view_->onInvalidate = nullptr;
}

QImage DocumentWindow::VisibleImage() const {
    return viewport()->grab().toImage();
}

void DocumentWindow::CopyToClipboard() const {
    QApplication::clipboard()->setImage(VisibleImage());
}

}  // namespace vorna
