#pragma once
// Dialogs 710 .. 742 (ComponentTitle): one candidate of one synthesis step. One or two
// editable element values with unit combo boxes, the derived element values as text and the
// candidate's deviation from the current E-series. The user answers with one action:
//   1 element A changed, 2 element B changed, 3 next candidate, 4 accept,
//   5 round the derived elements to the series, 6 change the E-series (0: closed otherwise).

#include <string>

#include "circuit/CandidateChooser.h"
#include "dialogs/Dialog.h"

namespace vorna {

// Whether component value dialog `dialogId` has an element B to type into.
bool ComponentDialogHasElementB(int dialogId);

class ComponentValueDialog : public Dialog {
public:
    explicit ComponentValueDialog(const ComponentDialogRequest& request);

    int action = 0;
    int seriesCode = 0;
    double mantissaA = 0;
    std::string unitA;
    double mantissaB = 0;
    std::string unitB;

    // The mantissa and unit of the element that action 1 or 2 names.
    double TypedMantissa() const { return action == 2 ? mantissaB : mantissaA; }
    const std::string& TypedUnit() const { return action == 2 ? unitB : unitA; }
    // The candidate the dialog shows, as the synthesis handed it over (deviation, series,
    // element values).
    const ComponentDialogRequest& Request() const { return request_; }

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnCommand(int controlId, Notification what) override;
    void OnCancel() override;

private:
    void Mark(int element);
    void Close(int buttonAction);

    ComponentDialogRequest request_;
    int mark_ = 0;  // 1 element A, 2 element B, 0 none yet
};

// Asks the user in the component value dialog of each candidate; a typed value with an
// unknown unit is reported and taken with factor 1.
class DialogChooser : public CandidateChooser {
public:
    explicit DialogChooser(Ui& ui) : ui_(ui) {}
    CandidateAnswer Choose(const ComponentDialogRequest& candidate) override;

private:
    Ui& ui_;
};

}  // namespace vorna
