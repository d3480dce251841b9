#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "app/DesignDocument.h"
#include "document/DesignWindowFile.h"
#include "view/DesignView.h"

namespace vorna::testing {
namespace {

// One application for the whole run, with settings kept in a scratch folder.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
        application_ = std::make_unique<QApplication>(argc_, argv_);
        settings_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_->path());
    }
    void TearDown() override {
        settings_.reset();
        application_.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "vorna_gui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QTemporaryDir> settings_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr int kPollMs = 10;

}  // namespace

ModalDriver& ModalDriver::On(const QString& objectName, Action action) {
    steps_.push_back({objectName, std::move(action)});
    return *this;
}

void ModalDriver::Run(const std::function<void()>& trigger, int timeoutMs) {
    deadline_ = QDateTime::currentMSecsSinceEpoch() + timeoutMs;
    running_ = true;
    QTimer::singleShot(0, &timers_, [this] { Poll(); });
    trigger();
    running_ = false;
    for (const Step& step : steps_)
        ADD_FAILURE() << "no modal window " << step.objectName.toStdString() << " opened";
    steps_.clear();
}

void ModalDriver::Poll() {
    if (!running_) return;
    // Each poll is a new timer, so polling goes on inside the nested loops that actions start.
    QTimer::singleShot(kPollMs, &timers_, [this] { Poll(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (QDateTime::currentMSecsSinceEpoch() > deadline_) {
        ADD_FAILURE() << "timed out in modal window " << modal->objectName().toStdString() << " ("
                      << modal->windowTitle().toStdString() << ")";
        steps_.clear();
        modal->close();
        return;
    }
    if (std::find(acting_.begin(), acting_.end(), modal) != acting_.end()) return;
    if (steps_.empty() || steps_.front().objectName != modal->objectName()) return;
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    acting_.push_back(modal);
    step.action(modal);
    acting_.erase(std::find(acting_.begin(), acting_.end(), modal));
}

QWidget* ControlWidget(QWidget* dialog, int controlId) {
    QWidget* widget = dialog->findChild<QWidget*>(QStringLiteral("control%1").arg(controlId));
    EXPECT_NE(widget, nullptr) << "control " << controlId << " in "
                               << dialog->objectName().toStdString();
    return widget;
}

void TypeInto(QWidget* dialog, int controlId, const QString& text) {
    QWidget* widget = ControlWidget(dialog, controlId);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
    auto* edit = qobject_cast<QLineEdit*>(widget);
    ASSERT_NE(edit, nullptr) << "control " << controlId << " takes no typing";
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void ClickControl(QWidget* dialog, int controlId) {
    QWidget* widget = ControlWidget(dialog, controlId);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(8, widget->height() / 2));
}

void PickItem(QWidget* dialog, int controlId, int index) {
    auto* combo = qobject_cast<QComboBox*>(ControlWidget(dialog, controlId));
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void PressKey(QWidget* window, int key) {
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

QString MessageText(QWidget* messageBox) {
    auto* box = qobject_cast<QMessageBox*>(messageBox);
    return box != nullptr ? box->text() : QString();
}

void Answer(QWidget* messageBox, int answer) {
    QWidget* button = messageBox->findChild<QWidget*>(QStringLiteral("answer%1").arg(answer));
    ASSERT_NE(button, nullptr) << "message box has no answer " << answer;
    QTest::mouseClick(button, Qt::LeftButton);
}

void WriteNewDesignFile(const QString& path) {
    DesignDocument doc;
    DesignView view(doc);
    ASSERT_EQ(SaveDesignFile(path.toStdString(), view), std::nullopt);
}

void SaveScreenshot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("VORNA_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    widget->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

std::vector<int> DarkRows(const QImage& image, int x, int top, int bottom) {
    std::vector<int> rows;
    for (int y = top + 1; y < bottom; ++y) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() < 90 && c.green() < 90 && c.blue() < 90) rows.push_back(y);
    }
    return rows;
}

}  // namespace vorna::testing
