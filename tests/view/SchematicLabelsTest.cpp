// The circuit drawing's labels keep clear of each other and of the parts, for the basic
// circuits at every order up to 8, and of the wires wherever the circuit leaves room.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/CliRunner.h"
#include "output/TempFolder.h"
#include "schematic/AscFile.h"
#include "view/SchematicDrawing.h"

namespace vorna {
namespace {

TEST(SchematicLabels, KeepClearOfEachOtherThePartsAndTheWires) {
    const struct {
        const char* design;
        bool wiresClear;  // BP2's input capacitor stands too close to its neighbours
    } cases[] = {
        {"--kind lp --circuit LP1 --fc 1KHz", true},
        {"--kind lp --circuit LP2 --fc 1KHz", true},
        {"--kind hp --circuit HP1 --fc 1KHz", true},
        {"--kind bp --circuit BP1 --fp1 1KHz --fp2 2KHz", true},
        {"--kind bp --circuit BP2 --fp1 1KHz --fp2 2KHz", false},
        {"--kind be --circuit BE1 --fp1 1KHz --fp2 2KHz", true},
    };
    const testing::TempFolder folder;
    for (const auto& c : cases) {
        for (int order = 2; order <= 8; ++order) {
            const std::string arguments = std::string("circuit --by-order --pick best --order ") +
                                          std::to_string(order) + " " + c.design + " -o c.asc";
            SCOPED_TRACE(arguments);
            const auto run = testing::RunCliIn(folder.Path(), arguments);
            ASSERT_EQ(run.status, 0) << run.err;
            std::vector<std::string> problems;
            const installation::Schematic schematic = installation::ParseAsc(
                installation::AscLines(testing::ReadFile(folder.Path() + "c.asc"), &problems),
                &problems);
            ASSERT_TRUE(problems.empty()) << problems.front();
            const SchematicLabelLayout layout = SchematicLabels(schematic);
            std::vector<std::pair<std::size_t, LabelBox>> lines;  // by label
            for (std::size_t i = 0; i < layout.labels.size(); ++i)
                for (const LabelLine& line : layout.labels[i].lines)
                    lines.emplace_back(i, LineBox(line, LabelMetrics{}));
            for (const auto& [label, box] : lines) {
                const std::string& name = layout.labels[label].lines.front().text;
                for (const auto& [other, otherBox] : lines)
                    EXPECT_FALSE(label != other && Overlap(box, otherBox))
                        << name << " / " << layout.labels[other].lines.front().text;
                for (const LabelBox& part : layout.obstacles.boxes)
                    EXPECT_FALSE(Overlap(box, part)) << name;
                if (!c.wiresClear) continue;
                for (const installation::Wire& wire : layout.obstacles.wires)
                    EXPECT_FALSE(Crosses(wire, box)) << name;
            }
        }
    }
}

}  // namespace
}  // namespace vorna
