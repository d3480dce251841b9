#pragma once
// The modal dialog model shared by every dialog of the program. A dialog is its resource,
// the live state of its controls, the data exchange between its plain fields and the
// controls, and handlers that run while it is open. A front end (the desktop renderer, the
// command-line answerer, the tests' scripted user) opens it, forwards what the user does
// through the User* calls, mirrors the control state, and stops when it has ended.

#include <map>
#include <string>
#include <vector>

#include "dialogs/DialogResource.h"
#include "platform/Image.h"
#include "platform/Ui.h"

namespace vorna {

class DataExchange;

// What a control looks like right now; the front end shows exactly this.
struct ControlState {
    std::string text;                // edit text, label, or the text of a combo box
    bool checked = false;            // radio buttons and check boxes
    std::vector<std::string> items;  // combo box list
    int selection = -1;              // selected list item, -1 for none
    bool enabled = true;
    bool readOnly = false;
    Image image;  // picture controls
};

enum class Notification {
    Clicked,           // a button, radio button or check box was clicked
    TextChanged,       // the text of an edit box or of a combo box's edit field changed
    SelectionChanged,  // another item of a combo box list was selected
};

class Dialog {
public:
    explicit Dialog(const DialogResource& resource);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    const DialogResource& Resource() const { return resource_; }
    int Id() const { return resource_.id; }

    // Runs the dialog modally through `ui` and returns the code it ended with.
    int DoModal(Ui& ui);

    // --- For front ends -------------------------------------------------------------
    // Creates the control states from the resource and initialises the dialog (its data
    // exchange fills the controls, then its own opening code runs).
    void Open(Ui& ui);
    // The user typed: replaces the text of an edit box or an editable combo box.
    void UserSetText(int controlId, const std::string& text);
    // The user picked list item `index` of a combo box.
    void UserSelect(int controlId, int index);
    // The user clicked a button, radio button or check box.
    void UserClick(int controlId);
    // The user pressed Enter: the default button is pressed.
    void UserPressEnter();
    // The user pressed Escape or closed the window.
    void UserClose();

    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    int FocusControl() const { return focus_; }
    // Every control with an id, by id.
    const std::map<int, ControlState>& Controls() const { return states_; }
    const ControlState& Control(int controlId) const;
    // The id of the default push button (IDOK unless the resource names another), or 0.
    int DefaultButton() const;
    // The radio buttons of the group that `firstId` starts, in order.
    std::vector<int> RadioGroup(int firstId) const;

protected:
    // Moves values between the plain fields and the controls; `dx` says which way.
    virtual void DoDataExchange(DataExchange& dx);
    // Runs once when the dialog opens, after the controls were filled from the fields.
    virtual void OnInitDialog() {}
    // A control notified `what`. The default handles OK and Cancel.
    virtual void OnCommand(int controlId, Notification what);
    // OK: exchange and validate the fields; close with IDOK when all pass.
    virtual void OnOK();
    // Cancel, Escape or the close box: close with IDCANCEL.
    virtual void OnCancel();

    // Runs the data exchange; `save` true reads and validates the controls into the fields.
    // Returns false when a field was refused (the user has been told, the focus moved).
    bool UpdateData(bool save);
    void EndDialog(int result);

    Ui& CurrentUi();
    ControlState& MutableControl(int controlId);
    void SetText(int controlId, const std::string& text);
    const std::string& Text(int controlId) const;
    void SetFocus(int controlId) { focus_ = controlId; }

private:
    friend class DataExchange;

    DialogResource resource_;
    std::map<int, ControlState> states_;
    Ui* ui_ = nullptr;
    bool ended_ = false;
    int result_ = IDCANCEL;
    int focus_ = 0;
};

}  // namespace vorna
