#pragma once
// Dialogs 710 .. 742 (ComponentTitle): one candidate of one synthesis step. One or two
// editable element values with unit combo boxes, the derived element values as text and the
// candidate's deviation from the current E-series. The user answers with one action:
//   1 element A changed, 2 element B changed, 3 next candidate, 4 accept,
//   5 round the derived elements to the series, 6 change the E-series (0: closed otherwise).

#include <array>
#include <string>

#include "dialogs/Dialog.h"

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

}  // namespace vorna
