#include "GraphExport.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "platform/CLocale.h"

namespace vorna {
namespace {

std::string Cell(double value) {
    return std::isfinite(value) ? Format("%.17g", value) : std::string();
}

// A header cell, quoted when the text holds the separator or a quote.
std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

bool SharedAbscissae(const GraphData& graph) {
    return std::all_of(graph.curves.begin(), graph.curves.end(),
                       [&](const Curve& curve) { return curve.x == graph.curves.front().x; });
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
    std::string text;
    if (graph.curves.empty()) return text;
    if (SharedAbscissae(graph)) {
        text = Quoted(AxisTitle(graph.x));
        for (const Curve& curve : graph.curves) {
            text +=
                "," + Quoted(curve.name + (graph.y.unit.empty() ? "" : " [" + graph.y.unit + "]"));
        }
        text += "\n";
        const std::vector<double>& x = graph.curves.front().x;
        for (std::size_t i = 0; i < x.size(); ++i) {
            text += Cell(x[i]);
            for (const Curve& curve : graph.curves) text += "," + Cell(curve.y[i]);
            text += "\n";
        }
        return text;
    }
    text = "系列," + Quoted(AxisTitle(graph.x)) + "," + Quoted(AxisTitle(graph.y)) + "\n";
    for (const Curve& curve : graph.curves) {
        for (std::size_t i = 0; i < curve.x.size(); ++i) {
            text += Quoted(curve.name) + "," + Cell(curve.x[i]) + "," + Cell(curve.y[i]) + "\n";
        }
    }
    return text;
}

QString WriteAtomically(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (!write(file)) {
        file.cancelWriting();
        return file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QStringLiteral("書き込みに失敗しました");
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace vorna
