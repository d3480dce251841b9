// vorna-cli plot: a design's response graph, pole-zero plot or coefficient list as SVG,
// drawn by the same paint as the window, or one of its analysis graphs.

#include <memory>
#include <optional>
#include <set>

#include "AnalysisGraphs.h"
#include "CliUi.h"
#include "CliVerbs.h"
#include "ConversionOptions.h"
#include "DesignOptions.h"
#include "OutputPath.h"
#include "dialogs/GraphDialog.h"
#include "platform/MessageText.h"
#include "view/SvgCanvas.h"

namespace vorna::cli {

namespace {

struct PlotOptions {
    DesignOptions design;
    ConversionOptions conversion;
    std::optional<std::string> graph;  // the design file's graph, else the response
    std::optional<int> points;         // the design file's points per decade, else 201
    std::string output = "-";
};

// The graphs the window itself draws.
const std::set<std::string> kViewGraphs{"response", "polezero", "list"};

// The window's graph: the coefficient list, the pole-zero plot or the response.
std::string ShownGraph(const DesignView& view) {
    if (view.displayMode == DisplayMode::CoefficientList) return "list";
    return view.graphKind == GraphKind::PoleZero ? "polezero" : "response";
}

void Plot(const PlotOptions& options) {
    if (options.graph && kViewGraphs.count(*options.graph) == 0 &&
        !IsAnalysisGraph(*options.graph)) {
        throw CliRefusal("--graph: unknown graph \"" + EchoedText(*options.graph) +
                         "\" (response, polezero, list, magnitude, passband, phase, groupdelay, "
                         "step or impulse)");
    }
    RequireOutput(options.output);
    CliUi ui;
    const auto window = RunDesignCommand(options.design, ui);
    options.conversion.Convert(*window);
    DesignView& view = window->view;
    const std::string graph = options.graph.value_or(ShownGraph(view));
    if (kViewGraphs.count(graph) == 0) {
        SvgCanvas canvas(kChartWidth, kChartHeight);
        DrawChart(*AnalysisChart(graph, *window), canvas);
        WriteOutput(options.output, canvas.Document());
        return;
    }
    // Command 620 chooses the graph and the points, with the dialog's own range check.
    CliUi::FieldOptions fields;
    if (options.points) fields[kGraphPointsId] = "--points " + std::to_string(*options.points);
    ui.Answer(
        kGraphDialogId,
        [&options, &graph](Dialog& dialog) {
            dialog.UserClick(graph == "polezero" ? kPoleZeroRadioId : kResponseGraphRadioId);
            if (options.points) dialog.UserSetText(kGraphPointsId, std::to_string(*options.points));
            dialog.UserClick(IDOK);
        },
        fields);
    view.OnGraphSelect(ui);
    if (graph == "list") view.displayMode = DisplayMode::CoefficientList;
    SvgCanvas canvas(kViewWidth, kViewHeight);
    view.OnDraw(canvas);
    WriteOutput(options.output, canvas.Document());
}

}  // namespace

void RegisterPlotVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "plot",
        "Design a filter and draw its response, pole-zero plot, coefficient list or an "
        "analysis graph as SVG");
    auto options = std::make_shared<PlotOptions>();
    options->design.AddTo(*verb);
    options->conversion.AddDigitalTo(*verb);
    verb->add_option("--graph", options->graph,
                     "What to draw: the window's response, polezero or list, or the analysis "
                     "graphs magnitude, passband, phase, groupdelay, step or impulse (default: "
                     "the graph of the --load design file, else response)");
    verb->add_option("--points", options->points,
                     "Points per decade of the response graph (10 to 1000; default: those of "
                     "the --load design file, else 201)");
    verb->add_option("-o,--output", options->output, "SVG file to write (- for standard output)")
        ->capture_default_str();
    verb->callback([options] { RunVerb([&] { Plot(*options); }); });
}

}  // namespace vorna::cli
