#include <gtest/gtest.h>

#include "app/DesignDocument.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "dialogs/DiagramDialog.h"
#include "output/BasicCircuitChoice.h"
#include "output/BitmapFiles.h"
#include "output/TempFolder.h"
#include "support/ScriptedUi.h"
#include "view/DesignView.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

TEST(BasicCircuitChoice, KindAndApproximationPickTheDialogAndItsPresetButton) {
    struct Case {
        int kind;
        int approximation;
        int dialog;
        int presetCode;
    };
    const std::vector<Case> cases{
        {kLowPass, kButterworth, 410, 480},       {kLowPass, kChebyshev, 410, 480},
        {kLowPass, kInverseChebyshev, 420, 482},  {kLowPass, kElliptic, 420, 482},
        {kHighPass, kChebyshev, 430, 484},        {kHighPass, kElliptic, 440, 486},
        {kBandPass, kButterworth, 450, 488},      {kBandPass, kInverseChebyshev, 460, 490},
        {kBandEliminate, kButterworth, 470, 492}, {kBandEliminate, kElliptic, 470, 492},
    };
    for (const auto& c : cases) {
        DesignDocument doc;
        doc.kind = c.kind;
        doc.approximation = c.approximation;
        DesignView view(doc);
        ScriptedUi ui;
        ui.ExpectDialog(c.dialog)
            .Inspect([&](const Dialog& d) {
                EXPECT_EQ(d.Resource().title, "基本回路の選択");
                EXPECT_TRUE(d.Control(c.presetCode).checked) << "dialog " << c.dialog;
                EXPECT_EQ(d.DefaultButton(), kShowDiagramButton);
            })
            .Click(c.presetCode + 1)
            .Ok();
        EXPECT_TRUE(ChooseBasicCircuit(view, ui));
        EXPECT_EQ(view.selectedCircuit, c.presetCode + 1);
    }
}

TEST(BasicCircuitChoice, ChoiceIsRememberedPerDialogAndCancelChangesNothing) {
    DesignDocument doc;
    DesignView view(doc);
    ScriptedUi ui;
    ui.ExpectDialog(410).Click(481).Ok();
    ASSERT_TRUE(ChooseBasicCircuit(view, ui));
    ui.ExpectDialog(410)
        .Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(481).checked); })
        .Click(480)
        .Cancel();
    EXPECT_FALSE(ChooseBasicCircuit(view, ui));
    EXPECT_EQ(view.circuitChoices[0], 481);
    EXPECT_EQ(view.selectedCircuit, 481);
    doc.approximation = kElliptic;
    ui.ExpectDialog(420).Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(482).checked); }).Ok();
    ASSERT_TRUE(ChooseBasicCircuit(view, ui));
    EXPECT_EQ(view.selectedCircuit, 482);
    EXPECT_EQ(view.circuitChoices[0], 481);

    doc.kind = 105;
    EXPECT_FALSE(ChooseBasicCircuit(view, ui));
}

TEST(BasicCircuitChoice, EnterShowsTheDiagramOfTheSelectedCircuit) {
    testing::TempFolder folder;
    std::filesystem::create_directory(folder / "sys");
    testing::WriteFile(folder / "sys/khn_be2.bmp", testing::MakeBitmap({}));
    DesignDocument doc;
    doc.approximation = kElliptic;
    DesignView view(doc);
    ScriptedUi ui;
    ui.programDirectory = folder.Path();
    ui.ExpectDialog(420).Click(483).Enter().Click(482).Enter().Ok();
    ui.ExpectDialog(kDiagramDialogId)
        .Inspect([](const Dialog& d) { EXPECT_EQ(d.Control(kDiagramPictureId).image.width, 3); })
        .Ok();
    // khn_be1.bmp is missing: reported, and the dialog still opens, empty.
    ui.ExpectDialog(kDiagramDialogId)
        .Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(kDiagramPictureId).image.Empty()); })
        .Ok();
    ui.ExpectMessage(TextId::DiagramUnopenable);
    EXPECT_TRUE(ChooseBasicCircuit(view, ui));
    EXPECT_EQ(view.selectedCircuit, 482);
}

TEST(BasicCircuitChoice, DiagramDialogDrawsOverItsWholeClientArea) {
    const DiagramDialog dialog(480);
    const DialogResource& resource = dialog.Resource();
    EXPECT_EQ(resource.id, 700);
    EXPECT_EQ(resource.title, "基本回路図の確認");
    EXPECT_EQ(resource.fontName, "ＭＳ 明朝");
    EXPECT_EQ(resource.fontPoints, 7);
    EXPECT_EQ(resource.width, 460);
    EXPECT_EQ(resource.height, 362);
    const ControlSpec* picture = resource.Find(kDiagramPictureId);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->x, 0);
    EXPECT_EQ(picture->y, 0);
    EXPECT_EQ(picture->width, resource.width);
    EXPECT_EQ(picture->height, resource.height);
    const ControlSpec* ok = resource.Find(IDOK);
    ASSERT_NE(ok, nullptr);
    // The OK button sits at the lower right, over the diagram.
    EXPECT_GT(ok->x, resource.width / 2);
    EXPECT_GT(ok->y, resource.height / 2);
}

TEST(BasicCircuitChoice, DiagramFilesOfEveryCircuit) {
    const std::vector<std::string> expected{
        "khn_lp1.bmp", "khn_lp2.bmp", "khn_be1.bmp", "khn_be2.bmp", "khn_hp1.bmp",
        "khn_hp2.bmp", "khn_be1.bmp", "khn_be2.bmp", "khn_bp1.bmp", "khn_bp2.bmp",
        "khn_be1.bmp", "khn_be2.bmp", "khn_be1.bmp", "khn_be2.bmp"};
    for (int code = 480; code <= 493; ++code) {
        EXPECT_EQ(DiagramFileName(code), expected[static_cast<std::size_t>(code - 480)]);
    }
}

}  // namespace
}  // namespace vorna
