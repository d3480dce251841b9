#pragma once
// The messages of the design API's notices and refusals, as the dialogs show them.

#include <optional>
#include <string>

#include "design/DesignFilter.h"

namespace vorna {

class Ui;

const char* NoticeMessage(DesignNotice notice);
// The message of a refusal; empty for the refusals the dialogs make without one (an Xs not
// above 1, or not below the band-eliminate limit).
std::optional<std::string> RefusalMessage(const DesignRefusal& refusal);

void ShowDesignNotices(Ui& ui, const DesignNotices& notices);

}  // namespace vorna
