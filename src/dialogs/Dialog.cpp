#include "dialogs/Dialog.h"

#include <stdexcept>

#include "dialogs/DataExchange.h"

namespace vorna {

const ControlSpec* DialogResource::Find(int controlId) const {
    for (const auto& control : controls) {
        if (control.id == controlId && controlId != IDC_STATIC) return &control;
    }
    return nullptr;
}

Dialog::Dialog(const DialogResource& resource) : resource_(resource) {}

int Dialog::DoModal(Ui& ui) {
    return ui.RunModal(*this);
}

void Dialog::Open(Ui& ui) {
    ui_ = &ui;
    ended_ = false;
    result_ = IDCANCEL;
    states_.clear();
    focus_ = 0;
    for (const auto& spec : resource_.controls) {
        if (spec.id == IDC_STATIC) continue;
        ControlState state;
        state.text = spec.text;
        state.items = spec.items;
        state.readOnly = spec.readOnly;
        states_[spec.id] = state;
        if (focus_ == 0 && spec.kind != ControlKind::Static && spec.kind != ControlKind::GroupBox &&
            spec.kind != ControlKind::Picture) {
            focus_ = spec.id;
        }
    }
    UpdateData(false);
    OnInitDialog();
}

const ControlState& Dialog::Control(int controlId) const {
    const auto found = states_.find(controlId);
    if (found == states_.end()) {
        throw std::out_of_range("dialog " + std::to_string(Id()) + " has no control " +
                                std::to_string(controlId));
    }
    return found->second;
}

ControlState& Dialog::MutableControl(int controlId) {
    return const_cast<ControlState&>(static_cast<const Dialog&>(*this).Control(controlId));
}

void Dialog::SetText(int controlId, const std::string& text) {
    MutableControl(controlId).text = text;
}

const std::string& Dialog::Text(int controlId) const {
    return Control(controlId).text;
}

int Dialog::DefaultButton() const {
    for (const auto& spec : resource_.controls) {
        if (spec.kind == ControlKind::Button && spec.defaultButton) return spec.id;
    }
    return resource_.Find(IDOK) != nullptr ? IDOK : 0;
}

std::vector<int> Dialog::RadioGroup(int firstId) const {
    std::vector<int> group;
    bool inside = false;
    for (const auto& spec : resource_.controls) {
        if (!inside) {
            if (spec.id == firstId && spec.kind == ControlKind::Radio) {
                inside = true;
                group.push_back(spec.id);
            }
            continue;
        }
        if (spec.kind != ControlKind::Radio || spec.group) break;
        group.push_back(spec.id);
    }
    return group;
}

Ui& Dialog::CurrentUi() {
    if (ui_ == nullptr) throw std::logic_error("dialog is not open");
    return *ui_;
}

void Dialog::UserSetText(int controlId, const std::string& text) {
    ControlState& state = MutableControl(controlId);
    if (state.text == text) return;
    state.text = text;
    const ControlSpec* spec = resource_.Find(controlId);
    if (spec != nullptr &&
        (spec->kind == ControlKind::DropDown || spec->kind == ControlKind::DropList)) {
        state.selection = -1;
    }
    OnCommand(controlId, Notification::TextChanged);
}

void Dialog::UserSelect(int controlId, int index) {
    ControlState& state = MutableControl(controlId);
    if (index < 0 || index >= static_cast<int>(state.items.size())) {
        throw std::out_of_range("dialog " + std::to_string(Id()) + ": combo box " +
                                std::to_string(controlId) + " has no item " +
                                std::to_string(index));
    }
    state.selection = index;
    state.text = state.items[static_cast<std::size_t>(index)];
    OnCommand(controlId, Notification::SelectionChanged);
}

void Dialog::UserClick(int controlId) {
    const ControlSpec* spec = resource_.Find(controlId);
    if (spec == nullptr) {
        throw std::out_of_range("dialog " + std::to_string(Id()) + " has no control " +
                                std::to_string(controlId));
    }
    if (spec->kind == ControlKind::Radio) {
        // Uncheck the other buttons of the radio's group.
        int first = controlId;
        for (const auto& candidate : resource_.controls) {
            if (candidate.kind == ControlKind::Radio && candidate.group) first = candidate.id;
            if (candidate.id == controlId) break;
        }
        for (int member : RadioGroup(first)) MutableControl(member).checked = (member == controlId);
    } else if (spec->kind == ControlKind::CheckBox) {
        ControlState& state = MutableControl(controlId);
        state.checked = !state.checked;
    }
    OnCommand(controlId, Notification::Clicked);
}

void Dialog::UserPressEnter() {
    const int button = DefaultButton();
    if (button != 0) UserClick(button);
}

void Dialog::UserClose() {
    OnCancel();
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnCommand(int controlId, Notification what) {
    if (what != Notification::Clicked) return;
    if (controlId == IDOK) {
        OnOK();
    } else if (controlId == IDCANCEL) {
        OnCancel();
    }
}

void Dialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

bool Dialog::UpdateData(bool save) {
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return !dx.Failed();
}

void Dialog::EndDialog(int result) {
    ended_ = true;
    result_ = result;
}

}  // namespace vorna
