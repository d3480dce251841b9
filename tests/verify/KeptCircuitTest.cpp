// The circuit a design window keeps from its last circuit output: its lifetime, the run with
// a cancelled schematic file name, and its bill of materials grouped by value.

#include <gtest/gtest.h>

#include "app/CircuitOutputCommand.h"
#include "app/DesignDocument.h"
#include "app/DocumentResults.h"
#include "output/BomGroups.h"
#include "output/CircuitOutput.h"
#include "output/TempFolder.h"
#include "platform/ShiftJisText.h"
#include "support/AcceptingUi.h"
#include "verify/KeptCircuit.h"
#include "view/DesignView.h"
#include "view/EngineeringNotation.h"

namespace vorna {
namespace {

using testing::TempFolder;
using verify::KeptCircuit;

// The circuit output as the desktop runs it for the circuit it keeps.
std::optional<verify::RealisedCircuit> RealiseDesign(DesignView& view, Ui& ui) {
    CircuitOutput out;
    out.schematicAlwaysMade = true;
    if (!RunCircuitOutput(view, ui, out)) return std::nullopt;
    return verify::CircuitOfOutput(out, view, ui);
}

// Accepts every question and gives no schematic file name.
class NoFileNameUser : public testing::AcceptingUi {
public:
    NoFileNameUser(std::string program, std::string current)
        : program_(std::move(program)), current_(std::move(current)) {}
    std::string ProgramDirectory() override { return program_; }
    std::string CurrentDirectory() override { return current_; }

private:
    std::string program_;
    std::string current_;
};

TEST(KeptCircuit, BecomesStaleWhenTheDesignChangesAndIsReplacedByTheNextOutput) {
    DesignDocument doc;
    KeptCircuit kept;
    EXPECT_EQ(kept.Circuit(), nullptr);
    EXPECT_FALSE(kept.IsStale(doc)) << "no circuit is no stale circuit";
    verify::RealisedCircuit first;
    first.elements = {{"R1_1", 1000}};
    kept.Keep(first, doc);
    ASSERT_NE(kept.Circuit(), nullptr);
    EXPECT_FALSE(kept.IsStale(doc));
    const std::function<void(DesignDocument&)> changes[] = {
        [](DesignDocument& d) { d.fp = 2000; },
        [](DesignDocument& d) { d.kind = kHighPass; },
        [](DesignDocument& d) { d.approximation = kChebyshev; },
        [](DesignDocument& d) { d.figures.order = 5; },
        [](DesignDocument& d) { d.atts = 40; },
    };
    for (const auto& change : changes) {
        DesignDocument changed;
        change(changed);
        EXPECT_TRUE(kept.IsStale(changed));
        verify::RealisedCircuit next;
        next.elements = {{"R1_1", 2200}};
        KeptCircuit replaced = kept;
        replaced.Keep(next, changed);
        EXPECT_FALSE(replaced.IsStale(changed));
        EXPECT_EQ(replaced.Circuit()->elements.front().value, 2200);
    }
}

// A cancelled schematic name: the journal names the circuit, no file is written, and the
// program still gets the circuit; without a reference it is told why in its own words.
TEST(KeptCircuit, CancelledSchematicNameEndsTheOutputCleanly) {
    TempFolder current;
    TempFolder emptyProgram;
    struct Case {
        std::string program;
        bool circuit;
    };
    const Case cases[] = {{VORNA_BIN_DIR "/", true}, {emptyProgram.Path(), false}};
    for (const Case& c : cases) {
        DesignDocument doc;
        DesignView view(doc);
        RecomputeResults(view, doc);
        NoFileNameUser user(c.program, current.Path());
        const std::optional<verify::RealisedCircuit> circuit = RealiseDesign(view, user);
        ASSERT_EQ(circuit.has_value(), c.circuit) << c.program;
        if (circuit) {
            EXPECT_FALSE(circuit->elements.empty());
            EXPECT_FALSE(circuit->schematic.symbols.empty());
            EXPECT_FALSE(circuit->sections.empty());
        }
        for (const std::string& message : user.messages)
            EXPECT_EQ(message.find("UTF-16LE"), std::string::npos) << message;
        if (!c.circuit) {
            EXPECT_EQ(user.messages.back(), Text(TextId::CircuitWithoutSchematic));
        }
        const std::string journal = testing::ReadFile(current / "journal.txt");
        EXPECT_EQ(journal.find(".asc"), std::string::npos) << "names no schematic file";
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(current.Path()), {}), 1)
            << "the journal only";
    }
}

TEST(BillOfMaterials, GroupsPartsByValueInOrderOfKindAndValue) {
    const std::vector<BomLine> lines = {
        {"R1_1", PartKind::Resistor, "10000", "E6", 1},
        {"C1_1", PartKind::Capacitor, "1e-08", "E6", 1},
        {"U1", PartKind::OpAmp, "LT1115", "", 1},
        {"R2_1", PartKind::Resistor, "4700", "E6", 1},
        {"R1_2", PartKind::Resistor, "10000", "E6", 2},
        {"C1_2", PartKind::Capacitor, "3.3e-09", "E6", 2},
        {"U2", PartKind::OpAmp, "LT1115", "", 2},
        {"R3_2", PartKind::Resistor, "0.01", "", 2, true},
    };
    struct Expected {
        std::string value;
        std::vector<std::string> designators;
        bool isShort = false;
    };
    const Expected expected[] = {{"10 mΩ", {"R3_2"}, true},   {"4.7 kΩ", {"R2_1"}},
                                 {"10 kΩ", {"R1_1", "R1_2"}}, {"3.3 nF", {"C1_2"}},
                                 {"10 nF", {"C1_1"}},         {"LT1115", {"U1", "U2"}}};
    const std::vector<BomGroup> groups = GroupedByValue(lines);
    ASSERT_EQ(groups.size(), std::size(expected));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(GroupValueText(groups[i]), expected[i].value) << i;
        EXPECT_EQ(groups[i].designators, expected[i].designators) << i;
        EXPECT_EQ(groups[i].isShort, expected[i].isShort) << i;
    }
}

TEST(EngineeringNotation, RoundsFiguresToFourDigits) {
    const std::pair<double, std::string> cases[] = {
        {1e7, "10 MHz"}, {11330, "11.33 kHz"}, {3.29e-7, "329 nHz"}, {999.96, "1 kHz"}, {0, "0 Hz"},
        {1e12, "1 THz"}, {4.7e-12, "4.7 pHz"}, {-2500, "-2.5 kHz"},  {0.5, "500 mHz"},  {1, "1 Hz"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(EngineeringNotation(value, "Hz", 4), text) << value;
}

}  // namespace
}  // namespace vorna
