// The extension module behind the package vorna: its exceptions, and the design and circuit
// bindings.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "Bindings.h"
#include "ModuleErrors.h"

namespace py = pybind11;
using namespace vorna::python;

namespace {

// The exception types; the module keeps them alive as its attributes for as long as the
// interpreter runs.
py::handle designErrorType;
py::handle circuitErrorType;

py::object OptionalNumber(const std::optional<double>& value) {
    return value ? py::object(py::float_(*value)) : py::object(py::none());
}

void RaiseDesignError(const DesignFailure& failure) {
    py::object error = py::reinterpret_borrow<py::object>(designErrorType)(failure.what());
    error.attr("message") = failure.what();
    error.attr("rule") = failure.rule;
    error.attr("field") = failure.field ? py::object(py::str(*failure.field)) : py::none();
    error.attr("minimum") = OptionalNumber(failure.minimum);
    error.attr("maximum") = OptionalNumber(failure.maximum);
    PyErr_SetObject(designErrorType.ptr(), error.ptr());
}

}  // namespace

PYBIND11_MODULE(_vorna, module) {
    module.doc() = "Vorna's design API, analysis, circuits and their verification.";
    designErrorType = py::exception<DesignFailure>(module, "DesignError", PyExc_ValueError);
    designErrorType.attr("__doc__") =
        "A design (or its digital conversion) refused its entries. A ValueError with message "
        "(the text the desktop shows), rule (e.g. 'entry_out_of_range', "
        "'band_edges_reversed'), field (the keyword of the refused entry, or None for the "
        "design as a whole) and minimum and maximum (the limits the entry broke, or None).";
    circuitErrorType = py::exception<CircuitFailure>(module, "CircuitError", PyExc_RuntimeError);
    circuitErrorType.attr("__doc__") =
        "A circuit could not realise the design, or its verification failed; the message "
        "says why.";
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const DesignFailure& failure) {
            RaiseDesignError(failure);
        } catch (const CircuitFailure& failure) {
            PyErr_SetString(circuitErrorType.ptr(), failure.what());
        } catch (const FileFailure& failure) {
            PyErr_SetString(PyExc_OSError, failure.what());
        }
    });
    AddDesignBindings(module);
    AddCircuitBindings(module);
}
