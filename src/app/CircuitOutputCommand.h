#pragma once
// The circuit output (command 630, choice 401): the basic circuit chosen by the user
// realises every section of the design; the element values go into the journal
// "journal.txt" of the current directory and into a schematic file made from the reference
// schematic of that circuit and order in the installation's "sys" folder.

#include <string>

namespace vorna {

struct BasicCircuit;
class CircuitOutput;
enum class OutputMode;
class DesignDocument;
class DesignView;
class Ui;

inline constexpr const char* kJournalFile = "journal.txt";

// The whole run on `out` (a new CircuitOutput): the choice of basic circuit, then
// WriteCircuitFiles; the view paints nothing meanwhile and keeps the E-series in force at
// the end. Returns false when the user cancelled the choice of circuit.
bool RunCircuitOutput(DesignView& view, Ui& ui, CircuitOutput& out);

// The run for the circuit `view.selectedCircuit`, with every question in its order.
void WriteCircuitFiles(CircuitOutput& out, DesignDocument& doc, DesignView& view, Ui& ui);

// Opens the circuit's reference schematic of `order` ("LP1_5.asc") in the "sys" folder and
// returns the output mode: schematic and journal when it is there; otherwise the user chooses
// journal only (the output path becomes the circuit's code) or stop.
OutputMode OpenReferenceSchematic(CircuitOutput& out, Ui& ui, const BasicCircuit& circuit,
                                  int order);
// Asks for the schematic file (proposing the reference's name) and creates it; Cancel, or a
// file that cannot be created, lowers the mode to journal only.
void ChooseSchematicFile(CircuitOutput& out, Ui& ui);
// Opens the journal for appending; tells the user and returns false when it cannot.
bool OpenJournal(CircuitOutput& out, Ui& ui);
// Appends the run's record and closes the journal; false when nothing was written (the
// journal was not open, or the user is told that the record could not be written, which
// fails the run unless the journal is optional).
bool CloseJournal(CircuitOutput& out, Ui& ui);
// Closes the files and tells the user that the coefficients now are the circuit's, unless
// the synthesis failed or the run was stopped.
void FinishCircuitOutput(CircuitOutput& out, Ui& ui);

}  // namespace vorna
