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
#include "text/Message.h"
#include "text/Texts.h"
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
        throw CliRefusal(MessageText({TextId::CliUnknownGraph, {EchoedText(*options.graph)}}));
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
    auto* verb = app.add_subcommand("plot", Text(TextId::CliPlotHelp));
    auto options = std::make_shared<PlotOptions>();
    options->design.AddTo(*verb);
    options->conversion.AddDigitalTo(*verb);
    verb->add_option("--graph", options->graph, Text(TextId::CliGraphHelp));
    verb->add_option("--points", options->points, Text(TextId::CliPlotPointsHelp));
    verb->add_option("-o,--output", options->output, Text(TextId::CliSvgOutputHelp))
        ->capture_default_str();
    verb->callback([options] { RunVerb([&] { Plot(*options); }); });
}

}  // namespace vorna::cli
