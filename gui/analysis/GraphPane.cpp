#include "GraphPane.h"

#include <qcustomplot.h>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "CurveClip.h"
#include "FrequencyTicker.h"
#include "GraphExport.h"
#include "QtUi.h"
#include "text/Texts.h"

namespace vorna {
namespace {

constexpr double kZoomStep = 0.8;
constexpr double kPanStep = 0.1;
// Far enough beyond any range shown to stand for "no end" in a mask region.
constexpr double kMaskReach = 1e6;
// The curves are evaluated afresh when the view shows less than this share of their span
// (in the axis's scale), over the view and half its width either side.
constexpr double kLeastShareShown = 0.125;

// As many clearly different colours as a graph has curves (the circuit's response has seven).
const std::array<QColor, 8> kCurveColours{
    QColor(0, 0, 200),   QColor(200, 0, 0),   QColor(0, 140, 0), QColor(220, 130, 0),
    QColor(130, 0, 170), QColor(0, 160, 180), QColor(0, 0, 0),   QColor(140, 90, 40)};

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
    plot_->setFocusPolicy(Qt::WheelFocus);
    setFocusProxy(plot_);
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
    connect(plot_->xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            &GraphPane::FollowView);

    auto* reset = new QPushButton(QString::fromUtf8(Text(TextId::ResetViewButton)), this);
    reset->setObjectName(QStringLiteral("resetView"));
    reset->setToolTip(QString::fromUtf8(Text(TextId::ResetViewTip)));
    connect(reset, &QPushButton::clicked, this, &GraphPane::ResetView);
    auto* save = new QPushButton(QString::fromUtf8(Text(TextId::ExportGraphButton)), this);
    save->setObjectName(QStringLiteral("exportGraph"));
    save->setToolTip(QString::fromUtf8(Text(TextId::ExportGraphTip)));
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
    // The axes' changes while the graph is set up evaluate nothing.
    decltype(graph.curvesOver) curvesOver;
    std::swap(curvesOver, graph.curvesOver);
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
    evaluatedLow_ = graph_.x.low;
    evaluatedHigh_ = graph_.x.high;
    if (!graph_.curves.empty() && !graph_.curves.front().x.empty()) {
        evaluatedLow_ = std::min(evaluatedLow_, graph_.curves.front().x.front());
        evaluatedHigh_ = std::max(evaluatedHigh_, graph_.curves.front().x.back());
    }
    graph_.curvesOver = std::move(curvesOver);
    ResetView();
}

void GraphPane::FollowView() {
    if (!graph_.curvesOver) return;
    const bool log = graph_.x.scale == AxisScale::Logarithmic;
    const auto scaled = [log](double x) { return log ? std::log(x) : x; };
    const auto unscaled = [log](double x) { return log ? std::exp(x) : x; };
    const QCPRange shown = plot_->xAxis->range();
    const double low = scaled(shown.lower);
    const double high = scaled(shown.upper);
    const double evaluated = scaled(evaluatedHigh_) - scaled(evaluatedLow_);
    const bool covered = shown.lower >= evaluatedLow_ && shown.upper <= evaluatedHigh_;
    if (covered && high - low >= kLeastShareShown * evaluated) return;
    const double wantedLow = unscaled(low - (high - low) / 2);
    const double wantedHigh = unscaled(high + (high - low) / 2);
    CurveSet set = graph_.curvesOver(wantedLow, wantedHigh);
    evaluatedLow_ = wantedLow;
    evaluatedHigh_ = wantedHigh;
    if (set.curves.size() != graph_.curves.size()) return;  // nothing to show there
    for (std::size_t i = 0; i < set.curves.size(); ++i) {
        if (auto* line = qobject_cast<QCPGraph*>(plot_->plottable(static_cast<int>(i)))) {
            line->setData(Values(set.curves[i].x), Values(set.curves[i].y), true);
        }
    }
    graph_.curves = std::move(set.curves);
    if (set.exact) graph_.exact = std::move(set.exact);
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
    // A region without end reaches far beyond anything shown, or, in a copy cut to its
    // axes, to their ends.
    const bool log = graph_.x.scale == AxisScale::Logarithmic;
    const double xLow = cutToAxes_ ? graph_.x.low : log ? graph_.x.low / kMaskReach : -kMaskReach;
    const double xHigh = cutToAxes_ ? graph_.x.high : graph_.x.high * kMaskReach;
    const double yLow = cutToAxes_ ? graph_.y.low : -kMaskReach;
    const double yHigh = cutToAxes_ ? graph_.y.high : kMaskReach;
    const QPen edge(QColor(220, 60, 60), 1);
    const auto line = [&](double x0, double y0, double x1, double y1) {
        auto* item = new QCPItemLine(plot_);
        item->start->setCoords(x0, y0);
        item->end->setCoords(x1, y1);
        item->setPen(edge);
    };
    for (const MaskRegion& region : graph_.mask) {
        const double left = std::max(region.x0, xLow);
        const double right = std::min(region.x1, xHigh);
        const double limit = std::clamp(region.limit, yLow, yHigh);
        const double far = region.ceiling ? yHigh : yLow;
        if (!(right > left) || limit == far) continue;
        auto* rect = new QCPItemRect(plot_);
        rect->topLeft->setCoords(left, std::max(limit, far));
        rect->bottomRight->setCoords(right, std::min(limit, far));
        rect->setPen(Qt::NoPen);
        rect->setBrush(QColor(255, 120, 120, 60));
        // Its edges: the limit and the ends the region has.
        if (limit == region.limit) line(left, limit, right, limit);
        if (left == region.x0) line(left, limit, left, far);
        if (right == region.x1) line(right, limit, right, far);
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
    // The wheel zooms the plot and gives it the keys, wherever the focus was.
    if (watched == plot_ && event->type() == QEvent::Wheel) plot_->setFocus(Qt::MouseFocusReason);
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
    if (!format) return QString::fromUtf8(Text(TextId::GraphExtensionRefused));
    const int width = std::max(plot_->width(), 800);
    const int height = std::max(plot_->height(), 500);
    return WriteAtomically(path, [&](QIODevice& file) {
        switch (*format) {
            case ExportFormat::Png:
                return plot_->toPixmap(width, height).save(&file, "PNG");
            case ExportFormat::Svg: {
                // An SVG file keeps no clipping: a hidden copy draws the graph cut to its axes.
                GraphPane shown(this);
                shown.hide();
                shown.cutToAxes_ = true;
                shown.SetGraph(ShownWithinAxes());
                QSvgGenerator svg;
                svg.setOutputDevice(&file);
                svg.setSize(QSize(width, height));
                svg.setViewBox(QRect(0, 0, width, height));
                svg.setTitle(Text(graph_.title));
                QCPPainter painter(&svg);
                shown.plot_->toPainter(&painter, width, height);
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

GraphData GraphPane::ShownWithinAxes() const {
    GraphData shown = graph_;
    const QCPRange x = plot_->xAxis->range();
    const QCPRange y = plot_->yAxis->range();
    shown.x.low = x.lower;
    shown.x.high = x.upper;
    shown.y.low = y.lower;
    shown.y.high = y.upper;
    shown.equalScales = false;  // the ranges as they are shown
    shown.curvesOver = nullptr;
    shown.curves =
        CurvesWithinView(graph_.curves, {x.lower, x.upper, y.lower, y.upper, graph_.x.scale});
    if (shown.nyquist && !x.contains(*shown.nyquist)) shown.nyquist.reset();
    return shown;
}

void GraphPane::ChooseAndExport() {
    QtUi ui(this);
    FileDialogRequest request;
    request.title = Text(TextId::ExportGraphTitle);
    request.initialName = graph_.title + ".png";
    request.defaultExtension = "png";
    request.filters = {{Text(TextId::PngFileFilter), "*.png"},
                       {Text(TextId::SvgFileFilter), "*.svg"},
                       {Text(TextId::CsvFileFilter), "*.csv"}};
    const std::optional<std::string> path = ui.SaveFileName(request);
    if (!path) return;
    const QString error = ExportTo(QString::fromStdString(*path));
    if (!error.isEmpty()) ReportWriteFailure(ui, *path, Text(TextId::ExportedGraph), error);
}

}  // namespace vorna
