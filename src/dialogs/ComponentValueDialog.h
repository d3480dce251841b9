#pragma once
// Dialogs 710 .. 742 (ComponentTitle): one candidate of one synthesis step. One or two
// editable element values with unit combo boxes, the derived element values as text and the
// candidate's deviation from the current E-series. The user answers with one action
// (CandidateAction): a typed element, the next candidate, accept, round the derived elements
// to the series or change the E-series (None: closed otherwise).

#include <string>

#include "circuit/CandidateChooser.h"
#include "dialogs/Dialog.h"

namespace vorna {

// Whether component value dialog `dialogId` has an element B to type into.
bool ComponentDialogHasElementB(int dialogId);

class ComponentValueDialog : public Dialog {
public:
    explicit ComponentValueDialog(const ComponentDialogRequest& request);

    CandidateAction action = CandidateAction::None;
    int seriesCode = 0;
    double mantissaA = 0;
    std::string unitA;
    double mantissaB = 0;
    std::string unitB;

    // The mantissa and unit of the element that action TypedA or TypedB names.
    double TypedMantissa() const {
        return action == CandidateAction::TypedB ? mantissaB : mantissaA;
    }
    const std::string& TypedUnit() const {
        return action == CandidateAction::TypedB ? unitB : unitA;
    }
    // The candidate the dialog shows, as the synthesis handed it over (deviation, series,
    // element values).
    const ComponentDialogRequest& Request() const { return request_; }

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnCommand(int controlId, Notification what) override;
    void OnCancel() override;

private:
    void Mark(CandidateAction typed);
    void Close(CandidateAction buttonAction);

    ComponentDialogRequest request_;
    CandidateAction mark_ = CandidateAction::None;  // TypedA or TypedB once typed into
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
