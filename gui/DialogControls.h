#pragma once
// The widgets of one dialog control: built from its resource entry, reporting what the user
// does to the dialog window, and showing the control state the dialog holds.

#include <QWidget>
#include <memory>
#include <string>

#include "DialogUnits.h"
#include "dialogs/Dialog.h"

namespace vorna {

// What the user did to a control, in the terms of the dialog model.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    virtual void ControlTextEdited(int controlId, const std::string& text) = 0;
    virtual void ControlSelected(int controlId, int index) = 0;
    virtual void ControlClicked(int controlId) = 0;
};

class ControlBinding {
public:
    virtual ~ControlBinding() = default;
    virtual QWidget* Widget() const = 0;
    // Shows `state`; the caller blocks the widget's signals.
    virtual void Show(const ControlState& state) = 0;
    // Takes the keyboard focus; an edit field selects its whole text.
    virtual void TakeFocus() { Widget()->setFocus(Qt::OtherFocusReason); }
};

// The widget name and property tests and tools find a control by.
inline constexpr const char* kControlIdProperty = "controlId";

std::unique_ptr<ControlBinding> MakeControlBinding(const ControlSpec& spec, bool isDefaultButton,
                                                   const DialogUnits& units, QWidget* parent,
                                                   ControlEvents& events);

}  // namespace vorna
