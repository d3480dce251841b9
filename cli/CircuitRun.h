#pragma once
// The circuit output of a design run from the command line (choice 401 of the output
// command) with the questions answered from the options: the basic circuit, the E-series,
// the op-amp and the schematic file. The candidate picker accepts the first candidate of
// every step, or with --pick best the one of smallest deviation. The journal is appended
// to journal.txt of the current directory, as by the desktop program. Shared by the verbs
// that realise a design: circuit and verify.

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CandidatePicker.h"
#include "DesignOptions.h"
#include "design/DesignResults.h"
#include "output/CircuitOutput.h"
#include "output/SchematicText.h"

namespace vorna::cli {

struct CircuitOptions {
    DesignOptions design;
    std::string circuit;
    std::string series = "E24";
    std::string opAmp = std::string(kReferenceOpAmp);  // of the schematic
    // The schematic file; without one the schematic is only made in memory.
    std::optional<std::string> output;
    std::string pick = "first";
    // The run goes on without the journal when that cannot be written (see CircuitOutput).
    bool journalOptional = false;
    // --compensate-gbw: the op-amps' gain-bandwidth product to pre-distort the sections for.
    std::optional<std::string> compensateGbw;
    // --compensate: pre-distort for the op-amp's own gain-bandwidth product.
    bool compensate = false;
    // --capacitor: the capacitor the synthesis steps start from.
    std::optional<std::string> capacitor;
    // The gain-bandwidth product --compensate stands for when the verb knows it (0: the
    // op-amp table's for the schematic's op-amp).
    double opAmpGbwHz = 0;
};

// A gain-bandwidth product option ("10MHz", "1e7"), checked as the simulation takes it.
double GbwOption(const std::string& option, const std::string& text);

// Adds the design options and --circuit, --series, --pick, --compensate, --compensate-gbw,
// --capacitor and -o/--output (required when `outputRequired`); --opamp is the verb's own.
void AddCircuitOptions(CLI::App& verb, CircuitOptions& options, bool outputRequired);

struct CircuitRun {
    std::unique_ptr<DesignWindow> window;
    std::unique_ptr<CircuitOutput> out;
    int circuitCode = 0;
    std::vector<std::string> messages;  // every message box text, the design's first
    std::vector<PickedStep> steps;
    bool finished = false;  // the synthesis realised every section
};

// Designs the filter and realises it; throws CliRefusal or CliError.
CircuitRun RunCircuit(const CircuitOptions& options);

}  // namespace vorna::cli
