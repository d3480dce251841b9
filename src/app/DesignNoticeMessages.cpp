#include "app/DesignNoticeMessages.h"

#include <string>

#include "dialogs/DataExchange.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

// An order in full-width digits, as the order messages write numbers.
std::string FullWidthOrder(int order) {
    std::string text;
    for (const char digit : std::to_string(order)) {
        text += "\xEF\xBC";  // U+FF10 + digit in UTF-8
        text += static_cast<char>('\x90' + (digit - '0'));
    }
    return text;
}

}  // namespace

TextId NoticeMessage(DesignNotice notice) {
    switch (notice) {
        case DesignNotice::AcoshArgument:
            return TextId::NoticeAcoshArgument;
        case DesignNotice::OrderRaisedToMinimum:
            break;
    }
    return TextId::NoticeOrderRaisedToTwo;
}

std::optional<Message> RefusalMessage(const DesignRefusal& refusal) {
    switch (refusal.rule) {
        case DesignRule::EntryOutOfRange:
            if (refusal.field == DesignField::Order) {
                return IntegerRangeMessage(static_cast<int>(refusal.minimum),
                                           static_cast<int>(refusal.maximum));
            }
            return NumberRangeMessage(refusal.minimum, refusal.maximum);
        case DesignRule::AttsBelowAttp:
            return TextId::RefusalAttsBelowAttp;
        case DesignRule::RippleNotPositive:
            return TextId::RefusalRippleNotPositive;
        case DesignRule::FrequencyNotPositive:
            return TextId::RefusalFrequencyNotPositive;
        case DesignRule::FrequencyOutOfRange:
            return TextId::RefusalFrequencyOutOfRange;
        case DesignRule::BandEdgesReversed:
            return TextId::RefusalBandEdgesReversed;
        case DesignRule::OrderAboveLimit:
            return Message{TextId::RefusalOrderAboveLimit,
                           {FullWidthOrder(static_cast<int>(refusal.maximum))}};
        case DesignRule::NotComputable:
            return TextId::RefusalNotComputable;
        case DesignRule::XsNotAboveOne:
        case DesignRule::XsNotBelowBandLimit:
            break;
    }
    return std::nullopt;
}

void ShowDesignNotices(Ui& ui, const DesignNotices& notices) {
    for (const DesignNotice notice : notices)
        ui.MessageBox(NoticeMessage(notice), MessageButtons::Ok);
}

}  // namespace vorna
