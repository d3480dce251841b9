#include "GraphPane.h"

#include <qcustomplot.h>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "FrequencyTicker.h"
#include "GraphExport.h"
#include "QtUi.h"

namespace vorna {
namespace {

constexpr double kZoomStep = 0.8;
constexpr double kPanStep = 0.1;
// Far enough beyond any range shown to stand for "no end" in a mask region.
constexpr double kMaskReach = 1e6;

const std::array<QColor, 6> kCurveColours{QColor(0, 0, 200),   QColor(200, 0, 0),
                                          QColor(0, 140, 0),   QColor(200, 120, 0),
                                          QColor(120, 0, 160), QColor(0, 150, 170)};

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QVector<double> Values(const std::vector<double>& values) {
    return {values.begin(), values.end()};
}

void SetUpAxis(QCPAxis* axis, const Axis& shown) {
    axis->setLabel(Text(AxisTitle(shown)));
    const bool log = shown.scale == AxisScale::Logarithmic;
    axis->setScaleType(log ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (log) {
        axis->setTicker(QSharedPointer<FrequencyTicker>::create());
    } else {
        axis->setTicker(QSharedPointer<QCPAxisTicker>::create());
    }
    axis->grid()->setSubGridVisible(log);
}

}  // namespace

GraphPane::GraphPane(QWidget* parent)
    : QWidget(parent),
      plot_(new QCustomPlot(this)),
      readout_(new QLabel(this)),
      note_(new QLabel(this)) {
    setObjectName(QStringLiteral("graphPane"));
    plot_->setObjectName(QStringLiteral("plot"));
    plot_->setLocale(QLocale::c());
    plot_->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot_->setFocusPolicy(Qt::StrongFocus);
    plot_->setMouseTracking(true);
    plot_->installEventFilter(this);
    plot_->plotLayout()->insertRow(0);
    plot_->plotLayout()->addElement(0, 0, new QCPTextElement(plot_, QString(), QFont()));
    readout_->setObjectName(QStringLiteral("cursorReadout"));
    note_->setObjectName(QStringLiteral("graphNote"));
    note_->setStyleSheet(QStringLiteral("color: #a00000"));
    connect(plot_, &QCustomPlot::mouseMove, this,
            [this](QMouseEvent* event) { ReadCursor(event->position().toPoint()); });
    connect(plot_, &QCustomPlot::afterReplot, this, &GraphPane::KeepEqualScales);

    auto* reset = new QPushButton(QStringLiteral("元の表示"), this);
    reset->setObjectName(QStringLiteral("resetView"));
    reset->setToolTip(QStringLiteral("拡大と移動を元に戻す (Home)"));
    connect(reset, &QPushButton::clicked, this, &GraphPane::ResetView);
    auto* save = new QPushButton(QStringLiteral("ｸﾞﾗﾌの書き出し..."), this);
    save->setObjectName(QStringLiteral("exportGraph"));
    save->setToolTip(QStringLiteral("ｸﾞﾗﾌをPNG､SVGまたはCSVで保存"));
    connect(save, &QPushButton::clicked, this, &GraphPane::ChooseAndExport);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(readout_, 1);
    bottom->addWidget(reset);
    bottom->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plot_, 1);
    layout->addWidget(note_);
    layout->addLayout(bottom);
}

void GraphPane::SetGraph(GraphData graph) {
    graph_ = std::move(graph);
    plot_->clearPlottables();
    plot_->clearItems();
    tracer_ = nullptr;
    static_cast<QCPTextElement*>(plot_->plotLayout()->element(0, 0))->setText(Text(graph_.title));
    SetUpAxis(plot_->xAxis, graph_.x);
    SetUpAxis(plot_->yAxis, graph_.y);
    AddMask();
    AddCurves();
    AddNyquistMarker();
    note_->setText(Text(graph_.note));
    note_->setVisible(!graph_.note.empty());
    readout_->clear();
    ResetView();
}

void GraphPane::AddCurves() {
    std::size_t colour = 0;
    for (const Curve& curve : graph_.curves) {
        QPen pen(kCurveColours[colour++ % kCurveColours.size()], 1);
        if (curve.style == CurveStyle::Circle) {
            auto* circle = new QCPCurve(plot_->xAxis, plot_->yAxis);
            circle->setData(Values(curve.x), Values(curve.y));
            circle->setPen(QPen(Qt::gray, 1, Qt::DashLine));
            circle->setName(Text(curve.name));
            continue;
        }
        QCPGraph* line = plot_->addGraph();
        line->setName(Text(curve.name));
        line->setData(Values(curve.x), Values(curve.y));
        if (curve.style == CurveStyle::Dashed) pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        if (curve.style == CurveStyle::PoleMarks || curve.style == CurveStyle::ZeroMarks) {
            line->setLineStyle(QCPGraph::lsNone);
            line->setScatterStyle(QCPScatterStyle(curve.style == CurveStyle::PoleMarks
                                                      ? QCPScatterStyle::ssCross
                                                      : QCPScatterStyle::ssCircle,
                                                  pen.color(), 9));
        }
    }
    // A legend where there are curves to tell apart.
    plot_->legend->setVisible(plot_->plottableCount() > 1);
    for (int i = 0; i < plot_->plottableCount(); ++i) {
        if (graph_.curves[static_cast<std::size_t>(i)].guide)
            plot_->plottable(i)->removeFromLegend();
    }
    if (plot_->graphCount() > 0 && !graph_.equalScales) {
        tracer_ = new QCPItemTracer(plot_);
        tracer_->setGraph(plot_->graph(0));
        tracer_->setInterpolating(true);
        tracer_->setStyle(QCPItemTracer::tsCrosshair);
        tracer_->setPen(QPen(Qt::gray, 1, Qt::DotLine));
        tracer_->setVisible(false);
    }
}

void GraphPane::AddMask() {
    const bool log = graph_.x.scale == AxisScale::Logarithmic;
    for (const MaskRegion& region : graph_.mask) {
        auto* rect = new QCPItemRect(plot_);
        const double left = log ? std::max(region.x0, graph_.x.low / kMaskReach) : region.x0;
        const double right = std::min(region.x1, graph_.x.high * kMaskReach);
        const double far = region.ceiling ? kMaskReach : -kMaskReach;
        rect->topLeft->setCoords(left, std::max(region.limit, far));
        rect->bottomRight->setCoords(right, std::min(region.limit, far));
        rect->setPen(QPen(QColor(220, 60, 60), 1));
        rect->setBrush(QColor(255, 120, 120, 60));
        rect->setClipToAxisRect(true);
    }
}

void GraphPane::AddNyquistMarker() {
    if (!graph_.nyquist) return;
    auto* line = new QCPItemStraightLine(plot_);
    line->point1->setCoords(*graph_.nyquist, 0);
    line->point2->setCoords(*graph_.nyquist, 1);
    line->setPen(QPen(QColor(200, 0, 200), 1.5, Qt::DashLine));
    auto* label = new QCPItemText(plot_);
    label->position->setTypeX(QCPItemPosition::ptPlotCoords);
    label->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    label->position->setCoords(*graph_.nyquist, 0.02);
    label->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(QStringLiteral(" fs/2"));
    label->setColor(QColor(200, 0, 200));
}

void GraphPane::ResetView() {
    plot_->xAxis->setRange(graph_.x.low, graph_.x.high);
    plot_->yAxis->setRange(graph_.y.low, graph_.y.high);
    plot_->replot();
}

void GraphPane::KeepEqualScales() {
    if (!graph_.equalScales) return;
    // Widens whichever axis is short, so that both keep what they show; the plot is drawn
    // again once when the scales were not yet equal (after a reset or a resize).
    const QRect rect = plot_->axisRect()->rect();
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const double xPerPixel = plot_->xAxis->range().size() / rect.width();
    const double yPerPixel = plot_->yAxis->range().size() / rect.height();
    const double perPixel = std::max(xPerPixel, yPerPixel);
    if (std::fabs(xPerPixel - yPerPixel) <= 1e-3 * perPixel) return;
    plot_->xAxis->setRange(plot_->xAxis->range().center(), perPixel * rect.width(),
                           Qt::AlignCenter);
    plot_->yAxis->setRange(plot_->yAxis->range().center(), perPixel * rect.height(),
                           Qt::AlignCenter);
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void GraphPane::Zoom(double factor) {
    plot_->xAxis->scaleRange(factor);
    plot_->yAxis->scaleRange(factor);
    plot_->replot();
}

void GraphPane::Pan(double right, double up) {
    const auto shift = [](QCPAxis* axis, double share) {
        const double low = axis->coordToPixel(axis->range().lower);
        const double high = axis->coordToPixel(axis->range().upper);
        const double by = (high - low) * share;
        axis->setRange(axis->pixelToCoord(low + by), axis->pixelToCoord(high + by));
    };
    shift(plot_->xAxis, right);
    shift(plot_->yAxis, up);
    plot_->replot();
}

void GraphPane::ReadCursor(QPoint point) {
    const double x = plot_->xAxis->pixelToCoord(point.x());
    const double y = plot_->yAxis->pixelToCoord(point.y());
    readout_->setText(Text(ReadoutText(graph_, x, y)));
    if (tracer_ != nullptr) {
        tracer_->setGraphKey(x);
        tracer_->setVisible(plot_->axisRect()->rect().contains(point));
        plot_->replot(QCustomPlot::rpQueuedReplot);
    }
}

QString GraphPane::CursorText() const {
    return readout_->text();
}

bool GraphPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == plot_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Plus:
            case Qt::Key_Equal:
                Zoom(kZoomStep);
                return true;
            case Qt::Key_Minus:
                Zoom(1 / kZoomStep);
                return true;
            case Qt::Key_Left:
                Pan(-kPanStep, 0);
                return true;
            case Qt::Key_Right:
                Pan(kPanStep, 0);
                return true;
            case Qt::Key_Up:
                Pan(0, kPanStep);
                return true;
            case Qt::Key_Down:
                Pan(0, -kPanStep);
                return true;
            case Qt::Key_Home:
                ResetView();
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString GraphPane::ExportTo(const QString& path) {
    const std::optional<ExportFormat> format = ExportFormatOf(path);
    if (!format) return QStringLiteral("拡張子は .png、.svg、.csv のいずれかにして下さい");
    const int width = std::max(plot_->width(), 800);
    const int height = std::max(plot_->height(), 500);
    return WriteAtomically(path, [&](QIODevice& file) {
        switch (*format) {
            case ExportFormat::Png:
                return plot_->toPixmap(width, height).save(&file, "PNG");
            case ExportFormat::Svg: {
                QSvgGenerator svg;
                svg.setOutputDevice(&file);
                svg.setSize(QSize(width, height));
                svg.setViewBox(QRect(0, 0, width, height));
                svg.setTitle(Text(graph_.title));
                QCPPainter painter(&svg);
                plot_->toPainter(&painter, width, height);
                return painter.end();
            }
            case ExportFormat::Csv: {
                const std::string csv = GraphCsv(graph_);
                return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
                       static_cast<qint64>(csv.size());
            }
        }
        return false;
    });
}

void GraphPane::ChooseAndExport() {
    QtUi ui(this);
    FileDialogRequest request;
    request.title = "グラフの書き出し";
    request.initialName = graph_.title + ".png";
    request.defaultExtension = "png";
    request.filters = {{"PNG 画像 (*.png)", "*.png"},
                       {"SVG 画像 (*.svg)", "*.svg"},
                       {"CSV ﾌｧｲﾙ (*.csv)", "*.csv"}};
    const std::optional<std::string> path = ui.SaveFileName(request);
    if (!path) return;
    const QString error = ExportTo(QString::fromStdString(*path));
    if (!error.isEmpty()) ReportWriteFailure(ui, *path, "グラフ", error);
}

}  // namespace vorna
