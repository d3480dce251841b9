#pragma once
// Dialog 950: the user picks another E-series (E6 .. E96) and may make it the default for
// the rest of the output run.

#include "dialogs/Dialog.h"

namespace vorna {

class ESeriesDialog : public Dialog {
public:
    explicit ESeriesDialog(int currentSeries);

    int currentSeries;
    int chosenSeries;
    bool makeDefault = false;

    // The series code the caller applies: the chosen number, plus 10 when it is also to
    // become the default.
    int SeriesCode() const { return chosenSeries + (makeDefault ? 10 : 0); }

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnCommand(int controlId, Notification what) override;
};

}  // namespace vorna
