#pragma once
// What designs and digital designs share in Python, both being a cascade of sections:
// their sections, frequency responses, time responses and coefficient export.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
#include <string>

#include "analysis/Cascade.h"

namespace vorna::python {

namespace py = pybind11;

// (n, 5) array, one row per second-order section: den1, den0, num2, num1, num0.
py::array_t<double> SectionsArray(const analysis::Cascade& cascade);
// (p0, p1, p2) of the first-order section, or None.
py::object FirstOrderTuple(const analysis::Cascade& cascade);
// (gain dB, phase rad, group delay s) at frequencies in Hz, each shaped as `frequencies`.
py::tuple Response(const analysis::Cascade& cascade, const py::array_t<double>& frequencies);
// (t, y): the step (or impulse) response; throws std::invalid_argument when it cannot be
// computed.
py::tuple TimeResponseOf(const analysis::Cascade& cascade, bool step, std::optional<double> end,
                         int points);
// The coefficients as text, also written to `path` when given.
std::string ExportText(const analysis::Cascade& cascade, const std::string& format,
                       const std::string& name, const std::optional<std::string>& path);

extern const char* const kResponseDoc;
extern const char* const kStepDoc;
extern const char* const kImpulseDoc;
extern const char* const kExportDoc;
extern const char* const kSectionsDoc;
extern const char* const kFirstOrderDoc;

// Adds sections, first_order, response, step, impulse and export to `cls`, whose objects
// give their cascade through `cascadeOf`.
template <typename T, typename Holder>
void AddCascadeMethods(py::class_<T, Holder>& cls, analysis::Cascade (T::*cascadeOf)() const) {
    cls.def_property_readonly(
           "sections", [cascadeOf](const T& self) { return SectionsArray((self.*cascadeOf)()); },
           kSectionsDoc)
        .def_property_readonly(
            "first_order",
            [cascadeOf](const T& self) { return FirstOrderTuple((self.*cascadeOf)()); },
            kFirstOrderDoc)
        .def(
            "response",
            [cascadeOf](const T& self, const py::array_t<double>& f) {
                return Response((self.*cascadeOf)(), f);
            },
            py::arg("f_hz"), kResponseDoc)
        .def(
            "step",
            [cascadeOf](const T& self, std::optional<double> end, int points) {
                return TimeResponseOf((self.*cascadeOf)(), true, end, points);
            },
            py::kw_only(), py::arg("t_end") = py::none(), py::arg("points") = 2000, kStepDoc)
        .def(
            "impulse",
            [cascadeOf](const T& self, std::optional<double> end, int points) {
                return TimeResponseOf((self.*cascadeOf)(), false, end, points);
            },
            py::kw_only(), py::arg("t_end") = py::none(), py::arg("points") = 2000, kImpulseDoc)
        .def(
            "export",
            [cascadeOf](const T& self, const std::string& format, const std::string& name,
                        const std::optional<std::string>& path) {
                return ExportText((self.*cascadeOf)(), format, name, path);
            },
            py::arg("format"), py::kw_only(), py::arg("name") = "sos", py::arg("path") = py::none(),
            kExportDoc);
}

}  // namespace vorna::python
