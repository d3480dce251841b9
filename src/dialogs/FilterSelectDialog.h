#pragma once
// Dialog 100 (FilterSelectTitle): filter kind, approximation, entry mode and reference mode.
// The fields are indices: kind 0..3 for radios 101..104, approximation 0..5 for radios
// 111..114, 116 and 117 (the approximations' ids; 115 is the by-order check box), reference
// 0..1 for radios 2403..2404.

#include <string>

#include "dialogs/Dialog.h"

namespace vorna {

enum FilterSelectControl : int {
    kKindRadioFirst = 101,
    kApproximationRadioFirst = 111,
    kByOrderCheck = 115,
    kReferenceRadioFirst = 2403,
};

// The name of approximation `id` (111 ..) as its radio button shows it.
std::string ApproximationRadioText(int id);

class FilterSelectDialog : public Dialog {
public:
    FilterSelectDialog();

    int approximationIndex = -1;
    bool byOrder = false;
    int kindIndex = -1;
    int referenceIndex = 0;

protected:
    void DoDataExchange(DataExchange& dx) override;
};

DialogResource FilterSelectResource();

}  // namespace vorna
