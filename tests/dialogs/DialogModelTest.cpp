#include <gtest/gtest.h>

#include "dialogs/DataExchange.h"
#include "dialogs/Dialog.h"
#include "support/ScriptedUi.h"

namespace vorna {
namespace {

using testing::ScriptedUi;

DialogResource SampleResource() {
    DialogResource r;
    r.id = 9001;
    r.title = "sample";
    r.controls = {
        {ControlKind::Radio, 11, "a", 0, 0, 10, 10, true},
        {ControlKind::Radio, 12, "b", 0, 10, 10, 10},
        {ControlKind::CheckBox, 13, "c", 0, 20, 10, 10, true},
        {ControlKind::Edit, 14, "", 0, 30, 10, 10, true},
        {ControlKind::Edit, 15, "", 0, 40, 10, 10},
        {ControlKind::DropList,
         16,
         "",
         0,
         50,
         10,
         10,
         false,
         false,
         {"mHz", "Hz", "KHz", "Meg", "GHz"}},
        {ControlKind::Button, IDOK, "OK", 0, 60, 10, 10, true, true},
        {ControlKind::Button, IDCANCEL, "ｷｬﾝｾﾙ", 0, 70, 10, 10},
    };
    return r;
}

class SampleDialog : public Dialog {
public:
    SampleDialog() : Dialog(SampleResource()) {}
    int choice = 1;
    bool ticked = false;
    double number = 2.5;
    int count = 7;
    std::string unit = "khz";

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Radio(11, choice);
        dx.Check(13, ticked);
        dx.Text(14, number);
        dx.Range(number, 0.0, 100000.0);
        dx.Text(15, count);
        dx.Range(count, 2, 58);
        dx.ComboText(16, unit);
    }
};

TEST(DialogModel, OpeningFillsControlsFromFields) {
    ScriptedUi ui;
    SampleDialog dialog;
    ui.ExpectDialog(9001)
        .Inspect([](const Dialog& d) {
            EXPECT_FALSE(d.Control(11).checked);
            EXPECT_TRUE(d.Control(12).checked);
            EXPECT_EQ(d.Control(16).selection, 2);
        })
        .ExpectText(14, "2.5")
        .ExpectText(15, "7")
        .ExpectText(16, "KHz")
        .Cancel();
    EXPECT_EQ(dialog.DoModal(ui), IDCANCEL);
}

TEST(DialogModel, OkSavesEveryField) {
    ScriptedUi ui;
    SampleDialog dialog;
    ui.ExpectDialog(9001).Click(11).Click(13).Type(14, " 1e3 ").Type(15, "58").Pick(16, "Meg").Ok();
    EXPECT_EQ(dialog.DoModal(ui), IDOK);
    EXPECT_EQ(dialog.choice, 0);
    EXPECT_TRUE(dialog.ticked);
    EXPECT_DOUBLE_EQ(dialog.number, 1000.0);
    EXPECT_EQ(dialog.count, 58);
    EXPECT_EQ(dialog.unit, "Meg");
}

TEST(DialogModel, RefusedEntriesKeepTheDialogOpenWithTheFrameworkMessage) {
    struct Case {
        int control;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {14, "abc", "Please enter a number."},
        {14, "1.5K", "Please enter a number."},
        {14, "inf", "Please enter a number."},
        {14, "", "Please enter a number."},
        {14, "100000.5", "Please enter a number between 0 and 100000."},
        {14, "-1", "Please enter a number between 0 and 100000."},
        {15, "2.5", "Please enter an integer."},
        {15, "99999999999", "Please enter an integer."},
        {15, "1", "Please enter an integer between 2 and 58."},
        {15, "59", "Please enter an integer between 2 and 58."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ScriptedUi ui;
        SampleDialog dialog;
        ui.ExpectDialog(9001).Type(c.control, c.text).Ok().ExpectFocus(c.control).Cancel();
        ui.ExpectMessage(c.message);
        EXPECT_EQ(dialog.DoModal(ui), IDCANCEL);
    }
}

TEST(DialogModel, EnterPressesTheDefaultButtonAndEscapeCancels) {
    {
        ScriptedUi ui;
        SampleDialog dialog;
        ui.ExpectDialog(9001).Enter();
        EXPECT_EQ(dialog.DoModal(ui), IDOK);
    }
    {
        ScriptedUi ui;
        SampleDialog dialog;
        ui.ExpectDialog(9001).Escape();
        EXPECT_EQ(dialog.DoModal(ui), IDCANCEL);
    }
}

}  // namespace
}  // namespace vorna
