// The dialog renderer with a dialog of every control kind: layout in dialog units, the
// user's actions reaching the dialog model, the model's changes reaching the widgets, the
// focus after a refused entry, Enter and Escape, and nested modal windows.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "DialogUnits.h"
#include "FontMapping.h"
#include "GuiTestSupport.h"
#include "QtUi.h"
#include "dialogs/DataExchange.h"
#include "dialogs/Dialog.h"

namespace vorna {
namespace {

using testing::Answer;
using testing::ClickControl;
using testing::ControlWidget;
using testing::MessageText;
using testing::ModalDriver;
using testing::PickItem;
using testing::PressKey;
using testing::TypeInto;

enum : int {
    kCount = 201,
    kUnit = 202,
    kSeries = 203,
    kFirstRadio = 204,
    kSecondRadio = 205,
    kLock = 206,
    kNote = 207,
    kEcho = 208,
    kNested = 209,
};

DialogResource SampleResource() {
    DialogResource r;
    r.id = 9100;
    r.title = "試験用ダイアログ";
    r.fontPoints = 9;
    r.width = 200;
    r.height = 120;
    r.controls = {
        {ControlKind::Static, IDC_STATIC, "個数(&N)", 7, 9, 40, 8},
        {ControlKind::Edit, kCount, "", 50, 7, 40, 12, true, false, {}, TextAlign::Right},
        {ControlKind::DropDown, kUnit, "", 95, 7, 40, 60, false, false, {"mHz", "Hz", "KHz"}},
        {ControlKind::DropList, kSeries, "", 140, 7, 40, 60, false, false, {"E6", "E12"}},
        {ControlKind::GroupBox, IDC_STATIC, "モード", 5, 25, 90, 40},
        {ControlKind::Radio, kFirstRadio, "第一", 10, 36, 70, 10, true},
        {ControlKind::Radio, kSecondRadio, "第二", 10, 50, 70, 10},
        {ControlKind::CheckBox, kLock, "固定する", 100, 36, 80, 10, true},
        {ControlKind::Edit, kNote, "", 100, 50, 80, 12},
        {ControlKind::Static, kEcho, "", 7, 75, 120, 8},
        {ControlKind::Button, kNested, "入れ子", 7, 98, 50, 14},
        {ControlKind::Button, IDOK, "OK", 90, 98, 50, 14, false, true},
        {ControlKind::Button, IDCANCEL, "ｷｬﾝｾﾙ", 145, 98, 50, 14},
    };
    return r;
}

class SampleDialog : public Dialog {
public:
    SampleDialog() : Dialog(SampleResource()) {}
    int count = 3;
    int mode = 0;
    bool locked = false;
    std::string unit = "Hz";
    int nestedResult = 0;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(kCount, count);
        dx.Range(count, 1, 10);
        dx.ComboText(kUnit, unit);
        dx.Radio(kFirstRadio, mode);
        dx.Check(kLock, locked);
    }
    void OnCommand(int id, Notification what) override {
        if (id == kCount && what == Notification::TextChanged)
            SetText(kEcho, "個数 " + Text(kCount));
        if (id == kLock && what == Notification::Clicked) {
            const bool on = Control(kLock).checked;
            MutableControl(kCount).enabled = !on;
            MutableControl(kSeries).items =
                on ? std::vector<std::string>{} : std::vector<std::string>{"E6", "E12"};
            MutableControl(kNote).readOnly = on;
        }
        if (id == kNested && what == Notification::Clicked) {
            CurrentUi().MessageBox(TextId::AskConvertAgain, MessageButtons::YesNo);
            SampleDialog inner;
            nestedResult = inner.DoModal(CurrentUi());
            SetText(kNote, "戻りました");
        }
        Dialog::OnCommand(id, what);
    }
};

class DialogRenderer : public ::testing::Test {
protected:
    QMainWindow window;
    QtUi ui{&window};
    SampleDialog dialog;

    int Run(const std::function<void(ModalDriver&)>& script) {
        ModalDriver driver;
        script(driver);
        int result = 0;
        driver.Run([&] { result = ui.RunModal(dialog); });
        return result;
    }
};

TEST_F(DialogRenderer, PlacesControlsInDialogUnitsOfTheDialogFont) {
    Run([](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog9100"), [](QWidget* w) {
            const DialogUnits units(DialogFont("ＭＳ 明朝", 9));
            // The mincho stand-in keeps the 6 x 12 pixel cells of 9-point text.
            EXPECT_EQ(units.BaseWidth(), 6);
            EXPECT_EQ(units.BaseHeight(), 12);
            EXPECT_EQ(w->size(), QSize(300, 180));
            EXPECT_EQ(w->windowTitle(), QString::fromUtf8("試験用ダイアログ"));
            EXPECT_EQ(ControlWidget(w, kCount)->geometry(), QRect(75, 11, 60, 18));
            EXPECT_EQ(ControlWidget(w, IDOK)->geometry(), QRect(135, 147, 75, 21));
            const auto* combo = qobject_cast<QComboBox*>(ControlWidget(w, kUnit));
            EXPECT_LT(combo->height(), 40) << "the list height is not the box's";
            EXPECT_TRUE(qobject_cast<QPushButton*>(ControlWidget(w, IDOK))->isDefault());
            EXPECT_EQ(w->findChild<QGroupBox*>()->title(), QString::fromUtf8("モード"));
            QStringList labels;
            for (const QLabel* label : w->findChildren<QLabel*>()) labels << label->text();
            EXPECT_TRUE(labels.contains(QString::fromUtf8("個数(N)")))
                << "the mnemonic marker is not shown";
            testing::SaveScreenshot(w, QStringLiteral("dialog9100"));
            ClickControl(w, IDCANCEL);
        });
    });
}

TEST_F(DialogRenderer, ShowsTheModelAfterEveryUserAction) {
    const int result = Run([](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog9100"), [](QWidget* w) {
            auto* count = qobject_cast<QLineEdit*>(ControlWidget(w, kCount));
            EXPECT_EQ(count->text(), QStringLiteral("3"));
            EXPECT_EQ(w->focusWidget(), count) << "the first control has the focus";
            TypeInto(w, kCount, QStringLiteral("7"));
            EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(w, kEcho))->text(),
                      QString::fromUtf8("個数 7"));

            EXPECT_EQ(qobject_cast<QComboBox*>(ControlWidget(w, kUnit))->currentText(),
                      QStringLiteral("Hz"));
            PickItem(w, kUnit, 2);
            ClickControl(w, kSecondRadio);
            EXPECT_FALSE(qobject_cast<QRadioButton*>(ControlWidget(w, kFirstRadio))->isChecked());
            EXPECT_TRUE(qobject_cast<QRadioButton*>(ControlWidget(w, kSecondRadio))->isChecked());
            ClickControl(w, kSecondRadio);  // a checked radio stays checked
            EXPECT_TRUE(qobject_cast<QRadioButton*>(ControlWidget(w, kSecondRadio))->isChecked());
            PressKey(w, Qt::Key_Up);  // arrows move the check inside the group
            EXPECT_TRUE(qobject_cast<QRadioButton*>(ControlWidget(w, kFirstRadio))->isChecked());

            ClickControl(w, kLock);
            EXPECT_FALSE(count->isEnabled());
            EXPECT_EQ(qobject_cast<QComboBox*>(ControlWidget(w, kSeries))->count(), 0);
            EXPECT_TRUE(qobject_cast<QLineEdit*>(ControlWidget(w, kNote))->isReadOnly());
            ClickControl(w, IDOK);
        });
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(dialog.unit, "KHz");
    EXPECT_EQ(dialog.mode, 0);
    EXPECT_TRUE(dialog.locked);
}

TEST_F(DialogRenderer, RefusedEntryKeepsTheDialogOpenWithTheFrameworkMessage) {
    const int result = Run([](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog9100"), [](QWidget* w) {
            TypeInto(w, kCount, QStringLiteral("11"));
            ClickControl(w, kNote);  // the focus is elsewhere when OK is pressed
            TypeInto(w, kNote, QStringLiteral("x"));
            ClickControl(w, IDOK);
            EXPECT_TRUE(w->isVisible());
            auto* count = qobject_cast<QLineEdit*>(ControlWidget(w, kCount));
            EXPECT_EQ(w->focusWidget(), count);
            EXPECT_EQ(count->selectedText(), QStringLiteral("11"));
            QTest::keyClicks(count, QStringLiteral("10"));  // replaces the selection
            PressKey(w, Qt::Key_Return);
        });
        driver.On(QStringLiteral("messageBox"), [](QWidget* box) {
            EXPECT_EQ(MessageText(box),
                      QStringLiteral("Please enter an integer between 1 and 10."));
            Answer(box, IDOK);
        });
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.count, 10);
}

TEST_F(DialogRenderer, EscapeAndTheCloseBoxCancel) {
    EXPECT_EQ(Run([](ModalDriver& driver) {
                  driver.On(QStringLiteral("dialog9100"), [](QWidget* w) {
                      TypeInto(w, kCount, QStringLiteral("9"));
                      PressKey(w, Qt::Key_Escape);
                  });
              }),
              IDCANCEL);
    EXPECT_EQ(dialog.count, 3);
    EXPECT_EQ(Run([](ModalDriver& driver) {
                  driver.On(QStringLiteral("dialog9100"), [](QWidget* w) { w->close(); });
              }),
              IDCANCEL);
}

TEST_F(DialogRenderer, HandlersRunNestedMessageBoxesAndDialogs) {
    const int result = Run([](ModalDriver& driver) {
        driver.On(QStringLiteral("dialog9100"), [](QWidget* w) {
            ClickControl(w, kNested);
            EXPECT_EQ(qobject_cast<QLineEdit*>(ControlWidget(w, kNote))->text(),
                      QString::fromUtf8("戻りました"));
            ClickControl(w, IDCANCEL);
        });
        driver.On(QStringLiteral("messageBox"), [](QWidget* box) {
            EXPECT_EQ(MessageText(box), QString::fromUtf8(Text(TextId::AskConvertAgain)));
            EXPECT_NE(box->findChild<QWidget*>(QStringLiteral("answer7")), nullptr);
            Answer(box, IDYES);
        });
        driver.On(QStringLiteral("dialog9100"), [](QWidget* w) { ClickControl(w, IDOK); });
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.nestedResult, IDOK);
}

}  // namespace
}  // namespace vorna
