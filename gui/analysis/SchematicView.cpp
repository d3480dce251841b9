#include "SchematicView.h"

#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QWheelEvent>
#include <algorithm>

#include "SchematicExport.h"
#include "view/SchematicDrawing.h"

namespace vorna {
namespace {

constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.25;
constexpr double kMostZoom = 16;

// The page the drawing is painted on, at the view's scale.
class SchematicPage : public QWidget {
public:
    SchematicPage(const SchematicView& view, const std::optional<installation::Schematic>& shown,
                  QWidget* parent)
        : QWidget(parent), view_(view), shown_(shown) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (shown_) PaintSchematic(painter, *shown_, view_.Scale());
    }

private:
    const SchematicView& view_;
    const std::optional<installation::Schematic>& shown_;
};

}  // namespace

SchematicView::SchematicView(QWidget* parent)
    : QScrollArea(parent), page_(new SchematicPage(*this, schematic_, this)) {
    setObjectName(QStringLiteral("schematicView"));
    setWidget(page_);
    setWidgetResizable(false);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    const auto zoomKeys = [this](QKeySequence keys, void (SchematicView::*zoom)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, zoom);
    };
    zoomKeys(QKeySequence::ZoomIn, &SchematicView::ZoomIn);
    zoomKeys(QKeySequence(Qt::CTRL | Qt::Key_Equal), &SchematicView::ZoomIn);
    zoomKeys(QKeySequence::ZoomOut, &SchematicView::ZoomOut);
    zoomKeys(QKeySequence(Qt::CTRL | Qt::Key_0), &SchematicView::Fit);
}

void SchematicView::SetSchematic(std::optional<installation::Schematic> schematic) {
    schematic_ = std::move(schematic);
    zoom_ = 1;
    Apply();
}

void SchematicView::ZoomIn() {
    zoom_ = std::min(zoom_ * kZoomStep, kMostZoom);
    Apply();
}

void SchematicView::ZoomOut() {
    zoom_ = std::max(zoom_ / kZoomStep, kLeastZoom);
    Apply();
}

void SchematicView::Fit() {
    zoom_ = 1;
    Apply();
}

double SchematicView::Scale() const {
    if (!schematic_) return 1;
    const DrawingSize size = SchematicDrawingSize(*schematic_);
    const QSize pane = viewport()->size();
    const double fit = std::min(static_cast<double>(pane.width()) / std::max(size.width, 1),
                                static_cast<double>(pane.height()) / std::max(size.height, 1));
    return fit * zoom_;
}

void SchematicView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    Apply();
}

void SchematicView::wheelEvent(QWheelEvent* event) {
    const int turn = event->angleDelta().y();
    if (turn > 0) ZoomIn();
    if (turn < 0) ZoomOut();
    event->accept();
}

void SchematicView::Apply() {
    if (!schematic_) {
        page_->resize(viewport()->size());
    } else {
        const DrawingSize size = SchematicDrawingSize(*schematic_);
        const double scale = Scale();
        page_->resize(std::max(1, static_cast<int>(size.width * scale)),
                      std::max(1, static_cast<int>(size.height * scale)));
    }
    page_->update();
}

}  // namespace vorna
