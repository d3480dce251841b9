#include "CascadeBindings.h"

#include <cmath>
#include <span>
#include <stdexcept>
#include <vector>

#include "ModuleErrors.h"
#include "analysis/CoefficientExport.h"
#include "analysis/Response.h"
#include "analysis/TimeResponse.h"
#include "design/DesignResults.h"
#include "platform/FileWrite.h"

namespace vorna::python {

const char* const kSectionsDoc =
    "The second-order sections as an (n, 5) array, each row den1, den0, num2, num1, num0 as "
    "design files and JSON hold them: (num2 s^2 + num1 s + num0) / (s^2 + den1 s + den0) with "
    "s in rad/s, or with z^-1 for s in (num2 + num1 z^-1 + num0 z^-2) / (1 + den1 z^-1 + den0 "
    "z^-2) of a digital design.";
const char* const kFirstOrderDoc =
    "The first-order section (p0, p1, p2) of an odd low-pass or high-pass order, "
    "(p1 s + p2) / (s + p0) (digital: (p1 + p2 z^-1) / (1 + p0 z^-1)), or None.";
const char* const kResponseDoc =
    ""
    "The gain in dB, the phase in radians (wrapped to [-pi, pi]) and the group delay in "
    "seconds at the frequencies f_hz (Hz, any shape; each result has its shape). Evaluated in "
    "C++ over the whole array with the GIL released.";
const char* const kStepDoc =
    ""
    "The step response: times in seconds from 0 to t_end (by default until every mode has "
    "decayed to a thousandth) and the output, as arrays. An analog response has `points` "
    "samples; a digital one runs through its sampling instants and gives at most `points`.";
const char* const kImpulseDoc =
    ""
    "The impulse response, as step() gives the step response (analog: without the impulse "
    "at time 0 of a direct feed-through; digital: the response to a unit sample).";
const char* const kExportDoc =
    ""
    "The section coefficients at full precision as 'csv', 'json' or 'c' (a C header with "
    "double NAME[N][6], NAME_gain and NAME_SECTIONS), as vorna-cli export writes them. With "
    "path, the text is also written to that file (replaced only by complete new content).";

namespace {

// Fewest and most points of a time response, as vorna-cli response takes them.
constexpr int kFewestPoints = 2;
constexpr int kMostPoints = 100000;

py::array_t<double> ArrayOf(const std::vector<double>& values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

void RequireFinite(const analysis::Cascade& cascade) {
    if (!analysis::AllFinite(cascade))
        throw std::invalid_argument(
            "the design's coefficients cannot be computed (not finite numbers)");
}

}  // namespace

py::array_t<double> SectionsArray(const analysis::Cascade& cascade) {
    py::array_t<double> rows({static_cast<py::ssize_t>(cascade.sections.size()), py::ssize_t{5}});
    auto out = rows.mutable_unchecked<2>();
    for (std::size_t i = 0; i < cascade.sections.size(); ++i) {
        const auto values = InFileOrder(cascade.sections[i]);
        for (py::ssize_t j = 0; j < 5; ++j)
            out(static_cast<py::ssize_t>(i), j) = values[static_cast<std::size_t>(j)];
    }
    return rows;
}

py::object FirstOrderTuple(const analysis::Cascade& cascade) {
    if (!cascade.first) return py::none();
    return py::make_tuple(cascade.first->p0, cascade.first->p1, cascade.first->p2);
}

py::tuple Response(const analysis::Cascade& cascade, const py::array_t<double>& frequencies) {
    const py::array_t<double, py::array::c_style | py::array::forcecast> f(frequencies);
    const auto count = static_cast<std::size_t>(f.size());
    const std::vector<py::ssize_t> shape(f.shape(), f.shape() + f.ndim());
    py::array_t<double> gain(shape), phase(shape), delay(shape);
    const double* in = f.data();
    double* gainOut = gain.mutable_data();
    double* phaseOut = phase.mutable_data();
    double* delayOut = delay.mutable_data();
    {
        const py::gil_scoped_release release;
        std::vector<double> omegas(count);
        for (std::size_t i = 0; i < count; ++i) omegas[i] = kTwoPi * in[i];
        std::vector<analysis::GainPhase> values(count);
        analysis::GainPhaseOver(cascade, omegas, values);
        for (std::size_t i = 0; i < count; ++i) {
            gainOut[i] = values[i].gainDb;
            phaseOut[i] = values[i].phase;
        }
        const std::vector<double> delays = analysis::GroupDelayOver(cascade, omegas);
        std::copy(delays.begin(), delays.end(), delayOut);
    }
    return py::make_tuple(gain, phase, delay);
}

py::tuple TimeResponseOf(const analysis::Cascade& cascade, bool step, std::optional<double> end,
                         int points) {
    if (end && !(std::isfinite(*end) && *end > 0))
        throw std::invalid_argument("t_end: the end time must be a positive number of seconds");
    if (points < kFewestPoints || points > kMostPoints)
        throw std::invalid_argument("points: the number of points must lie between 2 and 100000");
    RequireFinite(cascade);
    std::optional<std::vector<analysis::TimeSample>> samples;
    {
        const py::gil_scoped_release release;
        if (!end) end = analysis::SettlingTime(cascade);
        if (end)
            samples = analysis::TimeResponse(
                cascade, step ? analysis::Excitation::Step : analysis::Excitation::Impulse, *end,
                points);
    }
    if (!end)
        throw std::invalid_argument(
            "the response does not settle, so its length cannot be computed; give t_end");
    if (!samples)
        throw std::invalid_argument(
            "the response cannot be computed over this time with these points");
    std::vector<double> t, y;
    for (const auto& sample : *samples) {
        t.push_back(sample.time);
        y.push_back(sample.value);
    }
    return py::make_tuple(ArrayOf(t), ArrayOf(y));
}

std::string ExportText(const analysis::Cascade& cascade, const std::string& format,
                       const std::string& name, const std::optional<std::string>& path) {
    analysis::CoefficientFormat chosen = analysis::CoefficientFormat::Csv;
    if (format == "json")
        chosen = analysis::CoefficientFormat::Json;
    else if (format == "c")
        chosen = analysis::CoefficientFormat::CHeader;
    else if (format != "csv")
        throw std::invalid_argument("format: \"" + format + "\" is none of csv, json, c");
    if (!analysis::IsUsableCName(name))
        throw std::invalid_argument("name: \"" + name +
                                    "\" is not a C identifier (a letter, then letters, digits or "
                                    "underscores, 63 at most) or is a C keyword");
    RequireFinite(cascade);
    std::string text = analysis::CoefficientsText(cascade, chosen, name);
    if (path) {
        if (const auto problem = WriteFileAtomically(*path, text))
            throw FileFailure("cannot write " + *path + ": " + *problem);
    }
    return text;
}

}  // namespace vorna::python
