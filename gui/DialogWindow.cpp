#include "DialogWindow.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "FontMapping.h"
#include "QtUi.h"

namespace vorna {

QPalette DialogWindow::FacePalette(QPalette palette) {
    const QColor face(192, 192, 192);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    return palette;
}

DialogWindow::DialogWindow(Dialog& dialog, QtUi& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      dialog_(dialog),
      ui_(ui) {
    const DialogResource& resource = dialog.Resource();
    setObjectName(QStringLiteral("dialog%1").arg(resource.id));
    setWindowTitle(QString::fromStdString(resource.title));
    setPalette(FacePalette(palette()));
    setFont(DialogFont(resource.fontName, resource.fontPoints));
    const DialogUnits units(font());
    setFixedSize(units.X(resource.width), units.Y(resource.height));

    const int defaultButton = dialog.DefaultButton();
    for (const ControlSpec& spec : resource.controls) {
        auto binding = MakeControlBinding(spec, spec.id == defaultButton && spec.id != IDC_STATIC,
                                          units, this, *this);
        if (spec.kind == ControlKind::GroupBox) binding->Widget()->lower();
        if (spec.kind == ControlKind::Radio) binding->Widget()->installEventFilter(this);
        if (spec.id != IDC_STATIC) byId_[spec.id] = binding.get();
        bindings_.push_back(std::move(binding));
    }
    ShowState(true);
}

DialogWindow::~DialogWindow() = default;

template <typename Action>
void DialogWindow::Forward(Action action) {
    if (dialog_.Ended()) return;
    const int messagesBefore = ui_.MessagesShown();
    action();
    // After a message (a refused entry) the framework puts the focus on the control the
    // dialog names, even when that control had it before.
    ShowState(ui_.MessagesShown() != messagesBefore);
}

void DialogWindow::ControlTextEdited(int controlId, const std::string& text) {
    Forward([&] { dialog_.UserSetText(controlId, text); });
}

void DialogWindow::ControlSelected(int controlId, int index) {
    Forward([&] { dialog_.UserSelect(controlId, index); });
}

void DialogWindow::ControlClicked(int controlId) {
    Forward([&] { dialog_.UserClick(controlId); });
}

void DialogWindow::reject() {
    Forward([&] { dialog_.UserClose(); });
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A focused push button handles Enter itself; elsewhere Enter presses the default button.
        Forward([&] { dialog_.UserPressEnter(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int id = watched->property(kControlIdProperty).toInt();
        if (key == Qt::Key_Down || key == Qt::Key_Right) return MoveInRadioGroup(id, +1);
        if (key == Qt::Key_Up || key == Qt::Key_Left) return MoveInRadioGroup(id, -1);
    }
    return QDialog::eventFilter(watched, event);
}

bool DialogWindow::MoveInRadioGroup(int controlId, int step) {
    // The group is the run of radios that contains this one, from the radio that starts it.
    int first = controlId;
    for (const ControlSpec& spec : dialog_.Resource().controls) {
        if (spec.kind == ControlKind::Radio && spec.group) first = spec.id;
        if (spec.id == controlId) break;
    }
    const std::vector<int> group = dialog_.RadioGroup(first);
    const auto at = std::find(group.begin(), group.end(), controlId);
    if (at == group.end() || group.size() < 2) return false;
    const auto size = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t next = ((at - group.begin()) + step + size) % size;
    const int target = group[static_cast<std::size_t>(next)];
    byId_.at(target)->TakeFocus();
    ControlClicked(target);
    return true;
}

void DialogWindow::ShowState(bool moveFocus) {
    for (const auto& [id, state] : dialog_.Controls()) {
        const auto found = byId_.find(id);
        if (found == byId_.end()) continue;
        const QSignalBlocker blocker(found->second->Widget());
        found->second->Show(state);
    }
    const int focus = dialog_.FocusControl();
    if ((moveFocus || focus != focusShown_) && byId_.contains(focus)) {
        byId_.at(focus)->TakeFocus();
        focusShown_ = focus;
    }
    if (dialog_.Ended()) done(dialog_.Result());
}

}  // namespace vorna
