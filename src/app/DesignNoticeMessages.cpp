#include "app/DesignNoticeMessages.h"

#include "platform/Ui.h"

namespace vorna {

namespace {

const char* MessageOf(DesignNotice notice) {
    switch (notice) {
        case DesignNotice::AcoshArgument:
            return "ａｃｏｓｈ　関数の引数が異常です！！";
        case DesignNotice::OrderAboveLimit:
            return "フィルタの次数が５８を越えました。\n入力し直して下さい。";
        case DesignNotice::OrderRaisedToMinimum:
            break;
    }
    return "フィルタの次数が２以下になりました。\n次数を２に設定します。";
}

}  // namespace

void ShowDesignNotices(Ui& ui, const DesignNotices& notices) {
    for (const DesignNotice notice : notices) ui.MessageBox(MessageOf(notice), MessageButtons::Ok);
}

}  // namespace vorna
