#include "analysis/CoefficientExport.h"

#include <array>

#include "platform/CLocale.h"

namespace vorna::analysis {

namespace {

using Row = std::array<double, 6>;

// The rows in the column order of the domain, first-order section first.
std::vector<Row> Rows(const Cascade& c) {
    std::vector<Row> rows;
    const bool digital = c.IsDigital();
    if (c.first) {
        const FirstOrderSection& f = *c.first;
        rows.push_back(digital ? Row{f.p1, f.p2, 0, 1, f.p0, 0} : Row{0, f.p1, f.p2, 0, 1, f.p0});
    }
    // Both domains list the second-order coefficients in the design's own order.
    for (const Section& p : c.sections)
        rows.push_back(Row{p.num2, p.num1, p.num0, 1, p.den1, p.den0});
    return rows;
}

const char* const kAnalogColumns[] = {"n2", "n1", "n0", "d2", "d1", "d0"};
const char* const kDigitalColumns[] = {"b0", "b1", "b2", "a0", "a1", "a2"};

const char* const* Columns(const Cascade& c) {
    return c.IsDigital() ? kDigitalColumns : kAnalogColumns;
}

// 17 significant digits read back to the same double.
std::string Number(double value) {
    return Format("%.17g", value);
}

std::string JoinRow(const Row& row, const char* separator) {
    std::string text;
    for (std::size_t i = 0; i < row.size(); ++i) text += (i ? separator : "") + Number(row[i]);
    return text;
}

}  // namespace

std::string CoefficientsCsv(const Cascade& cascade) {
    std::string text = "section";
    for (int i = 0; i < 6; ++i) text += std::string(",") + Columns(cascade)[i];
    text += "\n";
    int number = 1;
    for (const Row& row : Rows(cascade)) {
        text += std::to_string(number++) + "," + JoinRow(row, ",") + "\n";
    }
    return text;
}

std::string CoefficientsJson(const Cascade& cascade) {
    std::string text = "{\n  \"domain\": \"";
    text += cascade.IsDigital() ? "digital" : "analog";
    text += "\",\n";
    if (cascade.IsDigital())
        text += "  \"samplingPeriod\": " + Number(cascade.samplingPeriod) + ",\n";
    text += "  \"columns\": [\"section\"";
    for (int i = 0; i < 6; ++i) text += std::string(", \"") + Columns(cascade)[i] + "\"";
    text += "],\n  \"sections\": [";
    int number = 1;
    for (const Row& row : Rows(cascade)) {
        text += (number > 1 ? ",\n    [" : "\n    [") + std::to_string(number) + ", " +
                JoinRow(row, ", ") + "]";
        ++number;
    }
    text += number > 1 ? "\n  ]\n}\n" : "]\n}\n";
    return text;
}

std::string CoefficientsCHeader(const Cascade& cascade) {
    std::vector<Row> rows = Rows(cascade);
    if (rows.empty()) rows.push_back(Row{1, 0, 0, 1, 0, 0});  // C has no empty arrays
    const bool digital = cascade.IsDigital();
    std::string text = "/* Filter coefficients as second-order sections, one row each:\n";
    if (digital) {
        text += Format(" * sampling period %.17g s,\n", cascade.samplingPeriod);
        text +=
            " * H(z) = sos_gain * product of (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + "
            "a2 z^-2)\n * with the rows b0 b1 b2 a0 a1 a2.\n";
    } else {
        text +=
            " * H(s) = sos_gain * product of (n2 s^2 + n1 s + n0) / (d2 s^2 + d1 s + d0),\n"
            " * s in rad/s, with the rows n2 n1 n0 d2 d1 d0.\n";
    }
    text +=
        " * A first-order section has zero second-order coefficients. */\n"
        "#ifndef VORNA_SOS_H\n#define VORNA_SOS_H\n\n";
    text += Format("#define SOS_SECTIONS %zu\n\n", rows.size());
    text += "static const double sos_gain = 1.0;\n\n";
    text += Format("static const double sos[%zu][6] = {\n", rows.size());
    for (const Row& row : rows) text += "    {" + JoinRow(row, ", ") + "},\n";
    text += "};\n\n#endif\n";
    return text;
}

std::string CoefficientsText(const Cascade& cascade, CoefficientFormat format) {
    switch (format) {
        case CoefficientFormat::Csv:
            return CoefficientsCsv(cascade);
        case CoefficientFormat::Json:
            return CoefficientsJson(cascade);
        case CoefficientFormat::CHeader:
            return CoefficientsCHeader(cascade);
    }
    return {};
}

}  // namespace vorna::analysis
