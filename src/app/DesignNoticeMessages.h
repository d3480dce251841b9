#pragma once
// The messages of the design notices, shown to the user in the order of the notices.

#include "design/OrderSelection.h"

namespace vorna {

class Ui;

void ShowDesignNotices(Ui& ui, const DesignNotices& notices);

// Runs a design step that may leave notices, shows them and hands back its result.
template <typename Step>
auto WithNotices(Ui& ui, Step step) {
    DesignNotices notices;
    const auto result = step(notices);
    ShowDesignNotices(ui, notices);
    return result;
}

}  // namespace vorna
