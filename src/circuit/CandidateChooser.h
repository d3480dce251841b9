#pragma once
// Who answers the candidates of a synthesis step: the user in a component value dialog
// (DialogChooser, dialogs/ComponentValueDialog.h), or a program that chooses by itself. The
// synthesis asks through this interface alone, so it needs no dialog.

#include <array>

namespace vorna {

// What the synthesis shows in one component value dialog. Values are in ohm and farad;
// the dialog splits them into mantissa and unit itself.
struct ComponentDialogRequest {
    int dialogId = 720;
    int section = 1;
    double deviation = 0;  // fraction; shown in percent
    int series = 3;
    double valueA = 0;
    double valueB = 0;                // unused by dialogs without element B
    std::array<double, 3> derived{};  // in the order of the dialog's derived texts
    double bound = 0;                 // dialogs 733 and 734: the limit the stepped element keeps
};

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

}  // namespace vorna
