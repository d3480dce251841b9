#include "analysis/CoefficientExport.h"

#include <algorithm>
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

// The sampling frequency of a digital cascade: the reciprocal of its period, at 15 digits so
// that an entered frequency reads as it was entered.
std::string SamplingFrequency(const Cascade& c) {
    return Format("%.15g", 1 / c.samplingPeriod);
}

constexpr std::size_t kLongestCName = 63;

// The keywords of C (to C23) that a name of letters, digits and underscores could spell.
constexpr std::string_view kCKeywords[] = {
    "alignas",      "alignof",  "auto",          "bool",      "break",
    "case",         "char",     "const",         "constexpr", "continue",
    "default",      "do",       "double",        "else",      "enum",
    "extern",       "false",    "float",         "for",       "goto",
    "if",           "inline",   "int",           "long",      "nullptr",
    "register",     "restrict", "return",        "short",     "signed",
    "sizeof",       "static",   "static_assert", "struct",    "switch",
    "thread_local", "true",     "typedef",       "typeof",    "typeof_unqual",
    "union",        "unsigned", "void",          "volatile",  "while"};

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string Upper(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
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
    const std::string fs = cascade.IsDigital() ? "," + SamplingFrequency(cascade) : "";
    text += cascade.IsDigital() ? ",fs_hz\n" : "\n";
    int number = 1;
    for (const Row& row : Rows(cascade)) {
        text += std::to_string(number++) + "," + JoinRow(row, ",") + fs + "\n";
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

bool IsUsableCName(std::string_view name) {
    if (name.empty() || name.size() > kLongestCName || !IsAsciiLetter(name.front())) return false;
    const bool letters = std::all_of(name.begin(), name.end(), [](char c) {
        return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '_';
    });
    return letters &&
           std::find(std::begin(kCKeywords), std::end(kCKeywords), name) == std::end(kCKeywords);
}

std::string CoefficientsCHeader(const Cascade& cascade, std::string_view cName) {
    const std::string name(cName);
    const std::string upper = Upper(name);
    std::vector<Row> rows = Rows(cascade);
    if (rows.empty()) rows.push_back(Row{1, 0, 0, 1, 0, 0});  // C has no empty arrays
    const bool digital = cascade.IsDigital();
    std::string text = "/* Filter coefficients as second-order sections, one row each:\n";
    if (digital) {
        text += Format(" * sampling period %.17g s,\n", cascade.samplingPeriod);
        text += " * H(z) = " + name +
                "_gain * product of (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + "
                "a2 z^-2)\n * with the rows b0 b1 b2 a0 a1 a2.\n";
    } else {
        text += " * H(s) = " + name +
                "_gain * product of (n2 s^2 + n1 s + n0) / (d2 s^2 + d1 s + d0),\n"
                " * s in rad/s, with the rows n2 n1 n0 d2 d1 d0.\n";
    }
    text += " * A first-order section has zero second-order coefficients. */\n#ifndef VORNA_" +
            upper + "_H\n#define VORNA_" + upper + "_H\n\n";
    text += Format("#define %s_SECTIONS %zu\n\n", upper.c_str(), rows.size());
    text += "static const double " + name + "_gain = 1.0;\n\n";
    text += Format("static const double %s[%zu][6] = {\n", name.c_str(), rows.size());
    for (const Row& row : rows) text += "    {" + JoinRow(row, ", ") + "},\n";
    text += "};\n\n#endif\n";
    return text;
}

std::string CoefficientsText(const Cascade& cascade, CoefficientFormat format,
                             std::string_view cName) {
    switch (format) {
        case CoefficientFormat::Csv:
            return CoefficientsCsv(cascade);
        case CoefficientFormat::Json:
            return CoefficientsJson(cascade);
        case CoefficientFormat::CHeader:
            return CoefficientsCHeader(cascade, cName);
    }
    return {};
}

}  // namespace vorna::analysis
