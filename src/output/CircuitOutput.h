#pragma once
// The state of one circuit output run: the E-series state, the journal, the schematic
// being edited, the element values the synthesis settled and the failure flag. One object
// per run of the output command (or of the op-amp exchange); nothing of it survives the run
// except what is stored back into the view.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "circuit/CandidateChooser.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisRunState.h"
#include "circuit/models/SectionModel.h"
#include "output/SchematicLines.h"
#include "platform/FileWrite.h"

namespace vorna {

class Ui;

// An element value the synthesis settled, by its element name ("R1_2").
struct ElementValue {
    std::string name;
    double value = 0;
};

// A resistor or capacitor of the schematic: the line of its "SYMATTR InstName " and its
// instance name (UTF-16LE bytes, without the line end).
struct ComponentEntry {
    std::size_t line = 0;
    std::string name;
};

// A text line whose comment is an "Information 1" or "Information 2" marker: the line, the
// marker's number and the byte position just after the ';' where the information text goes.
struct InfoPlaceholder {
    std::size_t line = 0;
    int number = 0;
    std::size_t position = 0;
};

// What a circuit output run writes.
enum class OutputMode { Stop, JournalOnly, SchematicAndJournal };

class CircuitOutput : public SynthesisRunState {
public:
    CircuitOutput();

    std::string referencePath;
    std::string referenceName;
    // The reference schematic's bytes, read when it is opened (so that choosing the
    // reference itself as the output file cannot lose it).
    std::string referenceText;
    // The schematic file name shown in the journal header.
    std::string outputPath;

    // The schematic file: it replaces the chosen file only when the run succeeds.
    ReplacementFile outputFile;

    // A file could not be written; like a synthesis failure, the run ends without its final
    // message.
    bool outputFailed = false;
    OutputMode outputMode = OutputMode::SchematicAndJournal;
    // The schematic is made in `lines` but no file is asked for or written (a verification
    // of the circuit); the journal then names the circuit, as when there is no schematic.
    bool schematicInMemory = false;
    // The schematic is made in `lines` from the reference also when no file is written (the
    // user gave no file name), so that the program can show and check the circuit.
    bool schematicAlwaysMade = false;
    // The run goes on without the journal when it cannot be opened or written (a
    // verification in a read-only folder); the user is told, and the run does not fail.
    bool journalOptional = false;
    // The run's record was appended to the journal.
    bool journalWritten = false;
    // The run ended as it should: every section realised, the files written and the user
    // told that the coefficients are now the circuit's.
    bool completed = false;

    // The op-amp put into the symbol lines while classifying (UTF-16LE), and whether to.
    std::string replacementName;
    bool replaceOpAmp = true;
    // The schematic's op-amp as 8-bit text: the replacement, or the reference op-amp.
    std::string SchematicOpAmp() const;

    // Above 0: the op-amps' gain-bandwidth product (Hz) the sections are pre-distorted for.
    double compensationGbwHz = 0;
    // Pre-distort for the gain-bandwidth product that `opAmpGbw` gives for the schematic's
    // op-amp, once it is chosen.
    bool compensateForSchematicOpAmp = false;
    std::function<std::optional<double>(const std::string& opAmp)> opAmpGbw;
    // The design's results before the synthesis pre-distorted its sections for the op-amps:
    // what the circuit is meant to do.
    std::optional<DesignResults> designed;
    // Above 0: the capacitor (F) the synthesis steps start from.
    double startCapacitor = 0;
    // The basic circuit given beforehand (its code): the selection dialog is not shown.
    std::optional<int> basicCircuit;

    SchematicLines lines;
    std::vector<ComponentEntry> resistors;
    std::vector<ComponentEntry> capacitors;
    std::vector<InfoPlaceholder> informationLines;
    // Information texts 1 and 2 (UTF-16LE, each ending with a line feed).
    std::array<std::string, 2> informationTexts;

    // The synthesis that realises the chosen basic circuit.
    SynthesisEntry synthesis = SynthesizeBasicCircuit;

    // Every value handed to SetComponentValue, in order.
    std::vector<ElementValue> elementValues;
    // Chooses among the candidates of each synthesis step; none: the component value
    // dialogs ask the user.
    CandidateChooser* candidateChooser = nullptr;
    // The one that chooses: candidateChooser, or the component value dialogs shown by `ui`.
    CandidateChooser& Chooser(Ui& ui);

    // Sets the op-amp name to put into the schematic (8-bit text, widened).
    void SetReplacementName(const std::string& name);
    // Sets the two information texts from the design summary (the title and the
    // specification line).
    void SetInformationTexts(const std::string& title, const std::string& specification);

    // Finds the resistors, capacitors and information lines of `lines`, fills the
    // information lines and, when `replaceOpAmp` is set, renames the reference op-amp.
    void ClassifySchematicLines();

    // Records the value of the element named by `nameFormat` applied to `section`
    // (e.g. "R1_%-d" and 2 give "R1_2") and writes it into the value line of that
    // component in the schematic being edited, if the schematic has one.
    void SetComponentValue(const char* nameFormat, int section, double value);
    // Whether the run makes the schematic: to write it, or in memory only.
    bool MakesSchematic() const;
    // Hands a settled element to the schematic when one is being produced.
    void ElementSettled(const std::string& name, int section, double value) override;

private:
    std::unique_ptr<CandidateChooser> dialogChooser_;
    std::string replacementOpAmp_;
};

// Rewrites an op-amp symbol line that begins with `searchPrefix` ("SYMBOL OpAmps", two
// backslashes and the old name) followed by a blank or the line end, so that only the whole
// old name matches ("LT11" is not "LT1115"): the old name's bytes are replaced by `newName`,
// the rest of the line is kept. Returns whether the line was rewritten.
bool ReplaceOpAmpSymbol(SchematicLine& line, const std::string& searchPrefix,
                        const std::string& newName);

}  // namespace vorna
