// Every dialog of the program shown by the one renderer: each label, button and caption fits
// its control, no two controls the user works with lie on top of each other, and in English
// no text holds a Japanese character.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "AboutBox.h"
#include "FontMapping.h"
#include "GuiTestSupport.h"
#include "QtUi.h"
#include "design/Approximations.h"
#include "dialogs/CircuitSelectionDialog.h"
#include "dialogs/ComponentValueDialog.h"
#include "dialogs/DiagramDialog.h"
#include "dialogs/ESeriesDialog.h"
#include "dialogs/FilterSelectDialog.h"
#include "dialogs/GainDialog.h"
#include "dialogs/GraphDialog.h"
#include "dialogs/GroupDelayDialog.h"
#include "dialogs/OutputChoiceDialog.h"
#include "dialogs/ParameterDialog.h"
#include "dialogs/SamplingDialog.h"

namespace vorna {
namespace {

using Factory = std::function<std::unique_ptr<Dialog>()>;

std::vector<Factory> EveryDialog() {
    std::vector<Factory> dialogs{
        [] { return std::make_unique<AboutBox>(); },
        [] { return std::make_unique<FilterSelectDialog>(); },
        [] { return std::make_unique<GraphDialog>(); },
        [] { return std::make_unique<OutputChoiceDialog>(); },
        [] { return std::make_unique<SamplingDialog>("24.0000", "KHz"); },
        [] { return std::make_unique<GainDialog>(); },
        [] { return std::make_unique<GroupDelayDialog>(); },
        [] { return std::make_unique<ESeriesDialog>(3); },
        [] { return std::make_unique<DiagramDialog>(480); },
    };
    for (int id = 500; id <= 519; ++id) {
        dialogs.push_back([id] { return std::make_unique<ParameterDialog>(id, "Elliptic"); });
    }
    // The -3 dB dialogs as the other approximations they serve name them.
    dialogs.push_back([] {
        return std::make_unique<ParameterDialog>(500, "", Text(TextId::FilterSelectLegendre));
    });
    dialogs.push_back([] {
        return std::make_unique<ParameterDialog>(
            508, "", Text(TextId::FilterSelectBessel), true,
            ApproximationRowOf(Approximation::Bessel).maxOrder);
    });
    for (const CircuitSelection& selection : kCircuitSelections) {
        dialogs.push_back(
            [&selection] { return std::make_unique<CircuitSelectionDialog>(selection); });
    }
    for (int id : {710, 720, 730, 731, 732, 733, 734, 735, 736, 740, 741, 742}) {
        dialogs.push_back([id] {
            ComponentDialogRequest request;
            request.dialogId = id;
            request.section = 12;
            request.deviation = -0.0123;
            request.valueA = 10e3;
            request.valueB = 4.7e-9;
            request.derived = {22e3, 1.5e-9, 33e3};
            request.bound = 1e-9;
            return std::make_unique<ComponentValueDialog>(request);
        });
    }
    return dialogs;
}

// What does not fit in dialog `w`, one line per fault.
std::vector<std::string> LayoutFaults(QWidget* w) {
    std::vector<std::string> faults;
    const auto fault = [&](const QWidget* control, const QString& text) {
        faults.push_back(w->objectName().toStdString() + " " + control->objectName().toStdString() +
                         " \"" + text.toStdString() + "\"");
    };
    for (const QLabel* label : w->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        const QFontMetrics metrics = label->fontMetrics();
        // A word wider than the label stands out of it rather than wrapping.
        const QRect used = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                Qt::TextWordWrap, label->text());
        const int lines = used.height() / metrics.lineSpacing();
        const int room = std::max(1, label->height() / CellMetricsOf(label->font()).Height());
        if (lines > room || used.width() > label->width()) fault(label, label->text());
        const QRect drawn =
            QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                used.size().boundedTo(label->size()), label->geometry());
        for (const QAbstractButton* button :
             w->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
            if (label->parentWidget() == w && drawn.intersects(button->geometry()))
                fault(label, QStringLiteral("under %1").arg(button->objectName()));
        }
    }
    for (const QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        int indicator = 0;
        if (qobject_cast<const QRadioButton*>(button) != nullptr) {
            indicator = button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                        button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
        } else if (qobject_cast<const QCheckBox*>(button) != nullptr) {
            indicator = button->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                        button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        }
        QString text = button->text();
        text.remove(u'&');
        if (indicator + button->fontMetrics().horizontalAdvance(text) + 4 > button->width() ||
            button->fontMetrics().height() > button->height())
            fault(button, button->text());
    }
    for (const QGroupBox* box : w->findChildren<QGroupBox*>()) {
        if (box->fontMetrics().horizontalAdvance(box->title()) > box->width())
            fault(box, box->title());
    }
    std::vector<QWidget*> controls;
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
            qobject_cast<QAbstractButton*>(child)) {
            controls.push_back(child);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            if (controls[i]->geometry().intersects(controls[j]->geometry())) {
                fault(controls[i], QStringLiteral("overlaps %1").arg(controls[j]->objectName()));
            }
        }
    }
    return faults;
}

// The texts of dialog `w` that hold a Japanese character (kana, kanji or a full-width form).
std::vector<std::string> JapaneseTexts(QWidget* w) {
    const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    QStringList texts{w->windowTitle()};
    for (const QLabel* label : w->findChildren<QLabel*>()) texts << label->text();
    for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QGroupBox* box : w->findChildren<QGroupBox*>()) texts << box->title();
    std::vector<std::string> found;
    for (const QString& text : texts) {
        if (text.contains(japanese))
            found.push_back(w->objectName().toStdString() + " \"" + text.toStdString() + "\"");
    }
    return found;
}

// Shows every dialog in `language`; the English pictures are named "<dialog>-en".
void ExpectEveryDialogTidy(Language language) {
    const testing::LanguageScope scope(language);
    const QString suffix = language == Language::English ? QStringLiteral("-en") : QString();
    QMainWindow window;
    QtUi ui(&window);
    std::vector<std::string> faults;
    for (const Factory& make : EveryDialog()) {
        std::unique_ptr<Dialog> dialog = make();
        const QString name = QStringLiteral("dialog%1").arg(dialog->Id());
        testing::ModalDriver driver;
        if (dialog->Id() == 700 &&
            !QFile::exists(QString::fromStdString(ui.ProgramDirectory() + "sys/khn_lp1.bmp"))) {
            // Without the installation's bitmaps the diagram dialog says so first.
            driver.On(QStringLiteral("messageBox"),
                      [](QWidget* box) { testing::Answer(box, IDOK); });
        }
        driver.On(name, [&](QWidget* w) {
            EXPECT_FALSE(w->windowTitle().isEmpty() && dialog->Id() < 730) << name.toStdString();
            for (const std::string& fault : LayoutFaults(w)) faults.push_back(fault);
            if (language == Language::English) {
                for (const std::string& text : JapaneseTexts(w)) faults.push_back(text);
            }
            testing::SaveScreenshot(w, name + suffix);
            testing::PressKey(w, Qt::Key_Escape);
        });
        driver.Run([&] { ui.RunModal(*dialog); });
    }
    for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

TEST(DialogGallery, EveryDialogIsTidy) {
    ExpectEveryDialogTidy(Language::Japanese);
}

TEST(DialogGallery, EveryDialogIsTidyInEnglish) {
    ExpectEveryDialogTidy(Language::English);
}

}  // namespace
}  // namespace vorna
