// Design.circuit and vorna.Circuit: the realised circuit, its schematic and its verification,
// whose tolerance analysis runs without the GIL and stops on Ctrl+C.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <chrono>
#include <future>

#include "Bindings.h"
#include "CascadeBindings.h"
#include "PythonCircuit.h"
#include "topology/BasicCircuits.h"

namespace vorna::python {

namespace {

const char* const kCircuitDoc =
    R"(Realises the design with a basic circuit, as `vorna-cli circuit` does: code is one of
vorna.CIRCUITS ('LP1' .. 'BE2', two of which realise each kind and approximation), series the
E-series of the parts ('E6', 'E12', 'E24', 'E48', 'E96'), pick how each synthesis step
chooses among its candidates ('first' as proposed, 'best' the smallest deviation), opamp the
op-amp the schematic names ('LT1115' or 'ADA4807-4'). Nothing is written: the schematic stays
in memory (Circuit.write_schematic) and the journal's record is Circuit.journal. Raises
vorna.CircuitError when the circuit does not realise the design or the synthesis fails.)";

const char* const kVerifyDoc =
    R"(Checks the circuit as `vorna-cli verify` does: simulated with ngspice with single-pole
op-amps (DC gain 1e5) of gain-bandwidth product gbw (Hz), or of the op-amp `opamp` of the
op-amp table (LT1115 when neither is given); what each section needs of its op-amp; and with
monte_carlo (1 to 1000000 runs) the tolerance analysis for resistor and capacitor tolerances
in percent, 'uniform' within the tolerance or 'gaussian' with it as three standard
deviations, reproducible by seed on any number of threads (default: one per core).

The dict holds 'circuit', 'points_per_decade', 'opamp' ({'name', 'gbw_hz'}), 'simulated'
(arrays 'frequency_hz', 'ideal_db', 'simulated_db'), 'max_passband_deviation_db',
'sections' (per section 'section', 'f0_hz', 'q', 'gain', 'required_gbw_hz',
'opamp_falls_short', 'sensitivities') and 'monte_carlo' (None without runs; else 'runs',
'passed_runs', 'failed_runs', 'failed_runs_by_cause', 'yield', 'seed', 'distribution',
'tolerance_r', 'tolerance_c' and 'envelope' with arrays 'frequency_hz', 'min_db', 'p5_db',
'p50_db', 'p95_db', 'max_db'). The analysis runs without the GIL; Ctrl+C stops it after the
runs under way and raises KeyboardInterrupt.)";

py::array_t<double> ArrayOf(const std::vector<double>& values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

py::object OptionalNumber(const std::optional<double>& value) {
    return value ? py::object(py::float_(*value)) : py::object(py::none());
}

py::dict SimulationDict(const verify::CircuitSimulation& simulation) {
    std::vector<double> f, ideal, simulated;
    for (const auto& point : simulation.points) {
        f.push_back(point.frequencyHz);
        ideal.push_back(point.idealDb);
        simulated.push_back(point.simulatedDb);
    }
    py::dict dict;
    dict["frequency_hz"] = ArrayOf(f);
    dict["ideal_db"] = ArrayOf(ideal);
    dict["simulated_db"] = ArrayOf(simulated);
    return dict;
}

py::list SectionsList(const verify::SectionRequirements& requirements) {
    py::list sections;
    for (const auto& section : requirements.sections) {
        py::list sensitivities;
        for (const auto& s : section.sensitivities) {
            py::dict row;
            row["element"] = s.element;
            row["omega0"] = s.omega0;
            row["q"] = s.q;
            sensitivities.append(row);
        }
        py::dict row;
        row["section"] = section.section;
        row["f0_hz"] = section.f0Hz;
        row["q"] = OptionalNumber(section.q);
        row["gain"] = section.gain;
        row["required_gbw_hz"] = OptionalNumber(section.requiredGbwHz);
        row["opamp_falls_short"] = section.opAmpFallsShort;
        row["sensitivities"] = sensitivities;
        sections.append(row);
    }
    return sections;
}

py::dict ToleranceDict(const verify::ToleranceResult& result,
                       const verify::ToleranceOptions& options) {
    const verify::ToleranceEnvelope& e = result.envelope;
    py::dict causes;
    causes["value_not_positive"] = result.failures.valueNotPositive;
    causes["not_finite"] = result.failures.notFinite;
    causes["unstable_real_pole"] = result.failures.unstableRealPole;
    causes["unstable_pole_pair"] = result.failures.unstablePolePair;
    py::dict envelope;
    envelope["frequency_hz"] = ArrayOf(e.frequencyHz);
    envelope["min_db"] = ArrayOf(e.minDb);
    envelope["p5_db"] = ArrayOf(e.p5Db);
    envelope["p50_db"] = ArrayOf(e.p50Db);
    envelope["p95_db"] = ArrayOf(e.p95Db);
    envelope["max_db"] = ArrayOf(e.maxDb);
    py::dict dict;
    dict["runs"] = result.runs;
    dict["passed_runs"] = result.passedRuns;
    dict["failed_runs"] = result.failedRuns;
    dict["failed_runs_by_cause"] = causes;
    dict["yield"] = result.yield;
    dict["seed"] = options.seed;
    dict["distribution"] =
        options.distribution == verify::Distribution::Gaussian ? "gaussian" : "uniform";
    dict["tolerance_r"] = options.resistorTolerance * 100;
    dict["tolerance_c"] = options.capacitorTolerance * 100;
    dict["envelope"] = envelope;
    return dict;
}

// Runs the verification on a thread of its own while this one, without the GIL, looks for
// Ctrl+C every 50 ms; on Ctrl+C the run is stopped after the runs under way and the
// KeyboardInterrupt raised.
Verification VerifyInterruptibly(const PythonCircuit& circuit, const VerifyRequest& request) {
    circuit.ToleranceOptionsOf(request);  // refused options raise before anything runs
    std::atomic<bool> cancel{false};
    bool interrupted = false;
    std::future<Verification> running;
    {
        const py::gil_scoped_release release;
        running = std::async(std::launch::async, [&circuit, &request, &cancel] {
            return circuit.Verify(request, &cancel);
        });
        while (running.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            const py::gil_scoped_acquire acquire;
            if (PyErr_CheckSignals() != 0) {
                cancel = true;
                interrupted = true;
                break;
            }
        }
        running.wait();
    }
    if (interrupted) throw py::error_already_set();
    return running.get();
}

py::dict VerificationDict(const PythonCircuit& circuit, const Verification& v) {
    py::dict dict;
    dict["circuit"] = circuit.Name();
    dict["points_per_decade"] = v.pointsPerDecade;
    py::dict opAmp;
    opAmp["name"] = v.opAmpName.empty() ? py::object(py::none()) : py::object(py::str(v.opAmpName));
    opAmp["gbw_hz"] = v.gbwHz;
    dict["opamp"] = opAmp;
    dict["simulated"] = SimulationDict(v.simulation);
    dict["max_passband_deviation_db"] = v.simulation.maxPassbandDeviationDb;
    dict["sections"] = SectionsList(v.requirements);
    dict["monte_carlo"] =
        v.tolerance ? py::object(ToleranceDict(*v.tolerance, v.toleranceOptions)) : py::none();
    return dict;
}

}  // namespace

void AddCircuitBindings(py::module_& module) {
    std::vector<std::string> codes;
    for (const BasicCircuit& circuit : kBasicCircuits) codes.emplace_back(circuit.code);
    module.attr("CIRCUITS") = py::tuple(py::cast(codes));

    py::class_<PythonCircuit, std::shared_ptr<PythonCircuit>> circuit(
        module, "Circuit",
        "A design realised with a basic circuit (Design.circuit): its part values, its "
        "realised sections, its schematic and its verification.");
    circuit
        .def_property_readonly("code", &PythonCircuit::Name, "The basic circuit, 'LP1' .. 'BE2'.")
        .def_property_readonly(
            "elements",
            [](const PythonCircuit& self) {
                py::dict elements;
                for (const auto& element : self.Elements())
                    elements[py::str(element.name)] = element.value;
                return elements;
            },
            "The part values the schematic holds, by name: {'R1_1': 11300.0, 'C1_1': 1e-08, "
            "...} (ohms and farads).")
        .def_property_readonly("messages", &PythonCircuit::Messages,
                               "The messages of the run, in order (the desktop shows them as "
                               "message boxes).")
        .def_property_readonly(
            "journal",
            [](const PythonCircuit& self) {
                return py::bytes(self.JournalRecord()).attr("decode")("cp932");
            },
            "The journal's record of the run, as vorna-cli appends it to journal.txt.")
        .def(
            "realised_sections",
            [](const PythonCircuit& self) { return SectionsArray(self.RealisedCascade()); },
            "The sections the settled part values realise, as "
            "Design.sections.")
        .def(
            "response",
            [](const PythonCircuit& self, const py::array_t<double>& f) {
                return Response(self.RealisedCascade(), f);
            },
            py::arg("f_hz"),
            "The response of the realised "
            "sections, as Design.response.")
        .def("__repr__",
             [](const PythonCircuit& self) {
                 return "<vorna.Circuit " + self.Name() + ", " +
                        std::to_string(self.Elements().size()) + " values>";
             })
        .def("write_schematic", &PythonCircuit::WriteSchematic, py::arg("path"),
             "Writes the schematic (.asc, UTF-16LE) as vorna-cli "
             "circuit -o writes it; raises OSError when it cannot, vorna.CircuitError when the "
             "installation has no reference schematic for the circuit and order.")
        .def(
            "verify",
            [](const PythonCircuit& self, std::optional<double> gbw,
               std::optional<std::string> opAmp, std::optional<int> monteCarlo, double toleranceR,
               double toleranceC, const std::string& distribution, long long seed,
               std::optional<int> threads) {
                VerifyRequest request;
                request.gbwHz = gbw;
                request.opAmp = opAmp;
                request.monteCarlo = monteCarlo;
                request.toleranceR = toleranceR;
                request.toleranceC = toleranceC;
                request.distribution = distribution;
                request.seed = seed;
                request.threads = threads;
                return VerificationDict(self, VerifyInterruptibly(self, request));
            },
            py::kw_only(), py::arg("gbw") = py::none(), py::arg("opamp") = py::none(),
            py::arg("monte_carlo") = py::none(), py::arg("tolerance_r") = 1.0,
            py::arg("tolerance_c") = 5.0, py::arg("distribution") = "uniform", py::arg("seed") = 1,
            py::arg("threads") = py::none(), kVerifyDoc);

    auto design = py::reinterpret_borrow<py::class_<PythonDesign, std::shared_ptr<PythonDesign>>>(
        module.attr("Design"));
    design.def(
        "circuit",
        [](const PythonDesign& self, const std::string& code, const std::string& series,
           const std::string& pick, const std::string& opAmp) {
            return std::make_shared<PythonCircuit>(self, CircuitRequest{code, series, pick, opAmp});
        },
        py::arg("code"), py::kw_only(), py::arg("series") = "E24", py::arg("pick") = "first",
        py::arg("opamp") = "LT1115", kCircuitDoc);
}

}  // namespace vorna::python
