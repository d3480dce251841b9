#include "dialogs/ESeriesDialog.h"

#include "circuit/ESeries.h"
#include "dialogs/DataExchange.h"
#include "platform/CLocale.h"

namespace vorna {

namespace {

constexpr int kCurrentLabel = 951;
constexpr int kMakeDefault = 953;
constexpr int kFirstSeriesButton = 960;  // 960 .. 964: E6 .. E96

DialogResource ESeriesResource() {
    DialogResource r;
    r.id = 950;
    r.title = "Ｅシリーズの変更";
    r.width = 180;
    r.height = 150;
    r.controls = {
        {ControlKind::Static, kCurrentLabel, "現在  E24  シリーズが選択されています", 10, 8, 160,
         10},
        {ControlKind::Button, 960, "Ｅ６シリーズ", 10, 24, 80, 14, true},
        {ControlKind::Button, 961, "Ｅ１２シリーズ", 10, 40, 80, 14},
        {ControlKind::Button, 962, "Ｅ２４シリーズ", 10, 56, 80, 14},
        {ControlKind::Button, 963, "Ｅ４８シリーズ", 10, 72, 80, 14},
        {ControlKind::Button, 964, "Ｅ９６シリーズ", 10, 88, 80, 14},
        {ControlKind::CheckBox, kMakeDefault, "選択したものをデフォルトに変える", 10, 108, 160, 10,
         true},
        {ControlKind::Button, IDOK, "OK", 100, 24, 60, 14, true, true},
        {ControlKind::Button, IDCANCEL, "ｷｬﾝｾﾙ", 100, 42, 60, 14},
    };
    return r;
}

}  // namespace

ESeriesDialog::ESeriesDialog(int series)
    : Dialog(ESeriesResource()), currentSeries(series), chosenSeries(series) {}

void ESeriesDialog::DoDataExchange(DataExchange& dx) {
    dx.Check(kMakeDefault, makeDefault);
}

void ESeriesDialog::OnInitDialog() {
    SetText(kCurrentLabel,
            Format("現在  E%-d  シリーズが選択されています", SeriesSize(currentSeries)));
}

void ESeriesDialog::OnCommand(int controlId, Notification what) {
    if (what == Notification::Clicked && controlId >= kFirstSeriesButton &&
        controlId < kFirstSeriesButton + 5) {
        chosenSeries = controlId - kFirstSeriesButton + 1;
        return;
    }
    Dialog::OnCommand(controlId, what);
}

}  // namespace vorna
