#pragma once
// The parts of the module _vorna, each adding its classes and functions.

#include <pybind11/pybind11.h>

namespace vorna::python {

void AddDesignBindings(pybind11::module_& module);
void AddCircuitBindings(pybind11::module_& module);

}  // namespace vorna::python
