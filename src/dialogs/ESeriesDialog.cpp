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
    r.title = Text(TextId::ESeriesTitle);
    r.width = 180;
    r.height = 150;
    r.controls = {
        {ControlKind::Static, kCurrentLabel, Text(TextId::ESeriesCurrentE24), 10, 8, 160, 10},
        {ControlKind::Button, 960, Text(TextId::ESeriesE6), 10, 24, 80, 14, true},
        {ControlKind::Button, 961, Text(TextId::ESeriesE12), 10, 40, 80, 14},
        {ControlKind::Button, 962, Text(TextId::ESeriesE24), 10, 56, 80, 14},
        {ControlKind::Button, 963, Text(TextId::ESeriesE48), 10, 72, 80, 14},
        {ControlKind::Button, 964, Text(TextId::ESeriesE96), 10, 88, 80, 14},
        {ControlKind::CheckBox, kMakeDefault, Text(TextId::ESeriesMakeDefault), 10, 108, 160, 10,
         true},
        {ControlKind::Button, IDOK, "OK", 100, 24, 60, 14, true, true},
        {ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), 100, 42, 60, 14},
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
    SetText(kCurrentLabel, Format(vorna::Text(TextId::ESeriesCurrent), SeriesSize(currentSeries)));
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
