#pragma once
// Who answers the candidates of a synthesis step: the user in a component value dialog, or
// a program that chooses by itself.

#include "dialogs/ComponentValueDialog.h"

namespace vorna {

class Ui;

// The answers to one candidate, numbered as the component value dialogs report them.
enum class CandidateAction {
    None = 0,          // dialog closed otherwise: restart from the current candidate
    TypedA = 1,        // a value for element A
    TypedB = 2,        // a value for element B
    Next = 3,          // the next candidate
    Accept = 4,        // accept the candidate
    Round = 5,         // round the derived elements to the series
    ChangeSeries = 6,  // change the E-series (code plus 10: also the default)
};

struct CandidateAnswer {
    CandidateAction action = CandidateAction::None;
    double typed = 0;    // TypedA, TypedB: the value in ohm or farad
    int seriesCode = 0;  // ChangeSeries
};

class CandidateChooser {
public:
    virtual ~CandidateChooser() = default;
    virtual CandidateAnswer Choose(const ComponentDialogRequest& candidate) = 0;
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
