// vorna-cli plot: a design's response graph, pole-zero plot or coefficient list as SVG,
// drawn by the same paint as the window, or one of its analysis graphs.

#include <memory>
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
    std::string graph = "response";
    int points = 201;
    std::string output = "-";
};

// The graphs the window itself draws.
const std::set<std::string> kViewGraphs{"response", "polezero", "list"};

void Plot(const PlotOptions& options) {
    const bool viewGraph = kViewGraphs.count(options.graph) != 0;
    if (!viewGraph && !IsAnalysisGraph(options.graph)) {
        throw CliRefusal("--graph: unknown graph \"" + options.graph +
                         "\" (response, polezero, list, magnitude, passband, phase, groupdelay, "
                         "step or impulse)");
    }
    if (options.output != "-") RequireOutputFile("-o", options.output);
    CliUi ui;
    const auto window = RunDesignCommand(options.design, ui);
    options.conversion.Convert(*window);
    if (!viewGraph) {
        SvgCanvas canvas(kChartWidth, kChartHeight);
        DrawChart(*AnalysisChart(options.graph, *window), canvas);
        WriteOutput(options.output, canvas.Document());
        return;
    }
    CKorvelView& view = window->view;
    // Command 620 chooses the graph and the points, with the dialog's own range check.
    ui.Answer(kGraphDialogId, [&options](Dialog& dialog) {
        dialog.UserClick(options.graph == "polezero" ? kPoleZeroRadioId : kResponseGraphRadioId);
        dialog.UserSetText(kGraphPointsId, std::to_string(options.points));
        dialog.UserClick(IDOK);
    });
    view.OnGraphSelect(ui);
    if (options.graph == "list") view.displayMode = DisplayMode::CoefficientList;
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
                     "graphs magnitude, passband, phase, groupdelay, step or impulse")
        ->capture_default_str();
    verb->add_option("--points", options->points,
                     "Points per decade of the response graph (10 to 1000)")
        ->capture_default_str();
    verb->add_option("-o,--output", options->output, "SVG file to write (- for standard output)")
        ->capture_default_str();
    verb->callback([options] { RunVerb([&] { Plot(*options); }); });
}

}  // namespace vorna::cli
