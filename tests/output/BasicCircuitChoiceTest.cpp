#include <gtest/gtest.h>

#include "app/DesignDocument.h"
#include "app/DocumentShown.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "dialogs/DiagramDialog.h"
#include "output/BasicCircuitChoice.h"
#include "output/BitmapFiles.h"
#include "output/TempFolder.h"
#include "support/ScriptedUi.h"
#include "text/Texts.h"
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
                EXPECT_EQ(d.Resource().title, Text(TextId::CircuitSelectionTitle));
                EXPECT_TRUE(d.Control(c.presetCode).checked) << "dialog " << c.dialog;
                EXPECT_EQ(d.DefaultButton(), kShowDiagramButton);
            })
            .Click(c.presetCode + 1)
            .Ok();
        EXPECT_TRUE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
        EXPECT_EQ(view.selectedCircuit, c.presetCode + 1);
    }
}

TEST(BasicCircuitChoice, CompensationAndStartCapacitorReachTheView) {
    DesignDocument doc;
    DesignView view(doc);
    ScriptedUi ui;
    ui.ExpectDialog(410)
        .Click(kCompensateCheckBox)
        .Type(kStartCapacitorEdit, "10x")
        .Ok()
        .ExpectFocus(kStartCapacitorEdit)
        .Type(kStartCapacitorEdit, "10n")
        .Ok();
    ui.ExpectMessage(Message(TextId::StartCapacitorOutOfRange));
    EXPECT_TRUE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
    ui.VerifyDone();
    EXPECT_TRUE(view.compensateForOpAmp);
    EXPECT_DOUBLE_EQ(view.startCapacitor, 10e-9);
}

TEST(BasicCircuitChoice, EverySelectionDialogOffersItsTwoCircuits) {
    const struct {
        int dialog;
        int firstCode;
        const char* buttons[2];
    } expected[] = {
        {410, 480, {"ＬＰ１", "ＬＰ２"}}, {420, 482, {"ＬＰ３", "ＬＰ４"}},
        {430, 484, {"ＨＰ１", "ＨＰ２"}}, {440, 486, {"ＨＰ３", "ＨＰ４"}},
        {450, 488, {"ＢＰ１", "ＢＰ２"}}, {460, 490, {"ＢＰ３", "ＢＰ４"}},
        {470, 492, {"ＢＥ１", "ＢＥ２"}},
    };
    ASSERT_EQ(std::size(expected), kCircuitSelections.size());
    for (std::size_t i = 0; i < kCircuitSelections.size(); ++i) {
        const CircuitSelectionDialog dialog(kCircuitSelections[i]);
        const DialogResource& resource = dialog.Resource();
        EXPECT_EQ(resource.id, expected[i].dialog);
        for (int k = 0; k < 2; ++k) {
            const ControlSpec* radio = resource.Find(expected[i].firstCode + k);
            ASSERT_NE(radio, nullptr) << expected[i].dialog;
            EXPECT_EQ(radio->text, expected[i].buttons[k]);
        }
    }
}

TEST(BasicCircuitChoice, ChoiceIsRememberedPerDialogAndCancelChangesNothing) {
    DesignDocument doc;
    DesignView view(doc);
    ScriptedUi ui;
    ui.ExpectDialog(410).Click(481).Ok();
    ASSERT_TRUE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
    ui.ExpectDialog(410)
        .Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(481).checked); })
        .Click(480)
        .Cancel();
    EXPECT_FALSE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
    EXPECT_EQ(view.circuitChoices[0], 481);
    EXPECT_EQ(view.selectedCircuit, 481);
    doc.approximation = kElliptic;
    ui.ExpectDialog(420).Inspect([](const Dialog& d) { EXPECT_TRUE(d.Control(482).checked); }).Ok();
    ASSERT_TRUE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
    EXPECT_EQ(view.selectedCircuit, 482);
    EXPECT_EQ(view.circuitChoices[0], 481);

    doc.kind = 105;
    EXPECT_FALSE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
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
    ui.ExpectMessage(Text(TextId::DiagramUnopenable));
    EXPECT_TRUE(ChooseBasicCircuit(view, ShownDesignOf(doc), ui));
    EXPECT_EQ(view.selectedCircuit, 482);
}

TEST(BasicCircuitChoice, DiagramDialogDrawsOverItsWholeClientArea) {
    const DiagramDialog dialog(480);
    const DialogResource& resource = dialog.Resource();
    EXPECT_EQ(resource.id, 700);
    EXPECT_EQ(resource.title, Text(TextId::DiagramTitle));
    EXPECT_EQ(resource.fontName, Text(TextId::DefaultFontFace));
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
    EXPECT_EQ(DiagramFileName(479), "");
    EXPECT_EQ(DiagramFileName(494), "");
}

}  // namespace
}  // namespace vorna
