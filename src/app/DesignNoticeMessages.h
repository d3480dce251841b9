#pragma once
// The messages of the design API's notices and refusals, as the dialogs show them.

#include <optional>

#include "design/DesignFilter.h"
#include "text/Message.h"

namespace vorna {

class Ui;

TextId NoticeMessage(DesignNotice notice);
// The message of a refusal; empty for the refusals the dialogs make without one (an Xs not
// above 1, or not below the band-eliminate limit).
std::optional<Message> RefusalMessage(const DesignRefusal& refusal);

void ShowDesignNotices(Ui& ui, const DesignNotices& notices);

}  // namespace vorna
