#pragma once
// The parameter entry dialogs 500 to 519 (ParameterTitle): one class for all
// twenty, shaped by its row of kParameterDialogs. The design procedure fills the fields,
// shows the dialog and, after OK, reads the accepted entries back. Frequencies are numbers
// in the unit named by their unit text.

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "design/DesignFilter.h"
#include "design/OrderLimits.h"
#include "dialogs/Dialog.h"
#include "dialogs/ParameterDialogTable.h"

namespace vorna {

// What the entries accept: frequencies as numbers in their unit, attenuations in dB.
inline constexpr double kMaxFrequencyNumber = 100000;
inline constexpr int kMinOrderEntry = kMinOrder;
inline constexpr int kMaxOrderEntry = kMaxOrder;

class ParameterDialog : public Dialog {
public:
    // `approximationName` is shown by the dialogs that name their approximation;
    // `captionName`, when not empty, by the Butterworth dialogs' caption in place of the
    // Butterworth's. With `besselNorm` the dialog also asks what the cut-off fixes. The order
    // label names `maxOrder`, the approximation's highest order.
    explicit ParameterDialog(int id, std::string approximationName = {},
                             const std::string& captionName = {}, bool besselNorm = false,
                             int maxOrder = kMaxOrder);

    const ParameterDialogSpec& Spec() const { return spec_; }

    double fpValue = 0;
    std::string fpUnit;
    double attp = 0;
    double xs = 0;
    double atts = 0;
    std::string approximationName;
    double fp1Value = 0;
    std::string fp1Unit;
    double fp2Value = 0;
    std::string fp2Unit;
    double xsUpperLimit = 0;
    int order = 0;
    double fcValue = 0;
    std::string besselNormText;  // one of BesselNormTexts()

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;
    void OnCommand(int controlId, Notification what) override;
    // A refused OK puts back the entries it had already read, so that the fields keep the
    // values they were filled with until an OK is accepted.
    void OnOK() override;

private:
    // The fields that the data exchange reads on OK.
    auto Entries() {
        return std::tie(fpValue, fpUnit, attp, xs, atts, fp1Value, fp1Unit, fp2Value, fp2Unit,
                        order, fcValue, besselNormText);
    }
    // Recomputes the upper limit of Xs from the band edges as typed.
    void UpdateXsLimit();
    void ShowXsLimit();

    const ParameterDialogSpec& spec_;
};

// The upper limit of Xs for band edges as typed (number texts and unit combo selections; a
// selection past "Meg", or none, counts as GHz); empty unless both edges are positive with
// Fp2 above Fp1.
std::optional<double> XsLimitOfTypedEdges(const std::string& fp1Text, int fp1Unit,
                                          const std::string& fp2Text, int fp2Unit);

// The resource of parameter dialog `spec`: labels, edits, unit combos and buttons in rows;
// the order label names `maxOrder`.
DialogResource ParameterDialogResource(const ParameterDialogSpec& spec,
                                       const std::string& captionName = {}, bool besselNorm = false,
                                       int maxOrder = kMaxOrder);

// The choices of the Bessel normalisation combo, in the order of BesselNorm.
std::array<std::string, 3> BesselNormTexts();

}  // namespace vorna
