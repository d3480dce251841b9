#include "GraphExport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "platform/CLocale.h"
#include "platform/Ui.h"
#include "text/Texts.h"

namespace vorna {
namespace {

std::string Cell(double value) {
    return std::isfinite(value) ? Format("%.17g", value) : std::string();
}

std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::vector<const Curve*> DataCurves(const GraphData& graph) {
    std::vector<const Curve*> curves;
    for (const Curve& curve : graph.curves) {
        if (!curve.guide) curves.push_back(&curve);
    }
    return curves;
}

}  // namespace

std::optional<ExportFormat> ExportFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return ExportFormat::Png;
    if (suffix == QLatin1String("svg")) return ExportFormat::Svg;
    if (suffix == QLatin1String("csv")) return ExportFormat::Csv;
    return std::nullopt;
}

std::string GraphCsv(const GraphData& graph) {
    const std::vector<const Curve*> curves = DataCurves(graph);
    if (curves.empty()) return {};
    const bool shared = std::all_of(curves.begin(), curves.end(), [&](const Curve* curve) {
        return curve->x == curves.front()->x;
    });
    const std::string yUnit = graph.y.unit.empty() ? "" : " [" + graph.y.unit + "]";
    std::string text;
    if (shared) {
        text = Quoted(AxisTitle(graph.x));
        for (const Curve* curve : curves) text += "," + Quoted(curve->name + yUnit);
        text += "\n";
        const std::vector<double>& x = curves.front()->x;
        for (std::size_t i = 0; i < x.size(); ++i) {
            text += Cell(x[i]);
            for (const Curve* curve : curves) text += "," + Cell(curve->y[i]);
            text += "\n";
        }
        return text;
    }
    text = std::string(Text(TextId::GraphCsvSeries)) + "," + Quoted(AxisTitle(graph.x)) + "," +
           Quoted(AxisTitle(graph.y)) + "\n";
    for (const Curve* curve : curves) {
        for (std::size_t i = 0; i < curve->x.size(); ++i) {
            text += Quoted(curve->name) + "," + Cell(curve->x[i]) + "," + Cell(curve->y[i]) + "\n";
        }
    }
    return text;
}

std::string TableCsv(const std::vector<std::vector<std::string>>& table) {
    std::string text;
    for (const std::vector<std::string>& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "," : "") + Quoted(row[i]);
        text += "\n";
    }
    return text;
}

QString WriteAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!write(file)) {
        file.cancelWriting();
        return file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QString::fromUtf8(Text(TextId::WriteFailed));
    }
    if (!file.commit()) return file.errorString();
    return {};
}

void ReportWriteFailure(Ui& ui, const std::string& path, const char* what, const QString& error) {
    ui.MessageBox({TextId::ExportUnwritable, {path, what, error.toStdString()}},
                  MessageButtons::Ok);
}

}  // namespace vorna
