#pragma once
// One graph of the analysis window: the plot filling the pane, with the mouse's and the
// keys' zoom and pan (wheel and +/- zoom, dragging and the arrow keys pan, Home resets; the
// plot takes the keyboard focus with the pane and on the wheel), curves evaluated afresh
// for a view beyond their points, a reset button, the cursor's readout line, the graph's
// note and its export as PNG, SVG (cut to the axes) or CSV.

#include <QWidget>

#include "GraphData.h"

class QCustomPlot;
class QCPItemTracer;
class QLabel;

namespace vorna {

class GraphPane : public QWidget {
    Q_OBJECT
public:
    explicit GraphPane(QWidget* parent = nullptr);

    // Shows `graph` over its own ranges.
    void SetGraph(GraphData graph);
    const GraphData& Graph() const { return graph_; }
    QCustomPlot* Plot() const { return plot_; }

    // Back to the graph's own ranges.
    void ResetView();
    // Zooms both axes by `factor` (< 1 zooms in) about the centre of the plot.
    void Zoom(double factor);
    // Moves the view by a share of its width and height (0.1: a tenth to the right/up).
    void Pan(double right, double up);
    // The readout for the plot's pixel `point`, and the text shown now.
    void ReadCursor(QPoint point);
    QString CursorText() const;

    // Writes the graph as it is shown in the format the extension names; the error text,
    // empty on success.
    QString ExportTo(const QString& path);
    // Asks for a file name and writes the graph there.
    void ChooseAndExport();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddCurves();
    void AddMask();
    void AddNyquistMarker();
    void KeepEqualScales();
    // Evaluates the curves afresh when the view reaches beyond the span they were evaluated
    // over, or shows only a small part of it.
    void FollowView();
    // The graph as shown now, cut to the axes, for a writer that cannot clip.
    GraphData ShownWithinAxes() const;

    QCustomPlot* plot_;
    QLabel* readout_;
    QLabel* note_;
    QCPItemTracer* tracer_ = nullptr;
    GraphData graph_;
    // Draws the mask within the axes' first ranges only (a copy for a writer that cannot clip).
    bool cutToAxes_ = false;
    // The x span (axis units) the curves were evaluated over.
    double evaluatedLow_ = 0;
    double evaluatedHigh_ = 0;
};

}  // namespace vorna
