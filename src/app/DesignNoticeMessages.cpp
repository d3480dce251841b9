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

const char* NoticeMessage(DesignNotice notice) {
    switch (notice) {
        case DesignNotice::AcoshArgument:
            return "ａｃｏｓｈ　関数の引数が異常です！！";
        case DesignNotice::OrderRaisedToMinimum:
            break;
    }
    return "フィルタの次数が２以下になりました。\n次数を２に設定します。";
}

std::optional<std::string> RefusalMessage(const DesignRefusal& refusal) {
    switch (refusal.rule) {
        case DesignRule::EntryOutOfRange:
            if (refusal.field == DesignField::Order) {
                return IntegerRangeMessage(static_cast<int>(refusal.minimum),
                                           static_cast<int>(refusal.maximum));
            }
            return NumberRangeMessage(refusal.minimum, refusal.maximum);
        case DesignRule::AttsBelowAttp:
            return "ａｔｔｓはａｔｔｐより大きな値を設定してください。";
        case DesignRule::RippleNotPositive:
            return "ａｔｔｐには０より大きな値を設定してください。";
        case DesignRule::FrequencyNotPositive:
            return "周波数には０より大きな値を設定してください。";
        case DesignRule::FrequencyOutOfRange:
            return "周波数には１Ｅ－７０Ｈｚから１Ｅ＋７０Ｈｚまでの値を設定してください。";
        case DesignRule::BandEdgesReversed:
            return "Ｆｐ２はＦｐ１より高い周波数を設定してください。";
        case DesignRule::OrderAboveLimit:
            return "フィルタの次数が" + FullWidthOrder(static_cast<int>(refusal.maximum)) +
                   "を越えました。\n入力し直して下さい。";
        case DesignRule::NotComputable:
            return "この設定では設計値が計算出来ません。\n帯域幅、次数、減衰量を見直してください。";
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
