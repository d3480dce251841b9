#pragma once
// Dialog 200: the sampling frequency of the conversion to a digital filter, with the lower
// limit it must reach shown above the entry.

#include <string>

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kSamplingDialogId = 200;
inline constexpr int kSamplingValueId = 201;
inline constexpr int kSamplingUnitId = 202;
inline constexpr int kLowerLimitValueId = 203;
inline constexpr int kLowerLimitUnitId = 204;
// The largest number the entry takes, in its unit.
inline constexpr double kMaxSamplingNumber = 100000;

class SamplingDialog : public Dialog {
public:
    // The lower limit as its number text and its unit.
    SamplingDialog(std::string limitText, std::string limitUnit);

    double samplingValue = 0;
    std::string samplingUnit;

protected:
    void DoDataExchange(DataExchange& dx) override;
    void OnInitDialog() override;

private:
    std::string limitText_;
    std::string limitUnit_;
};

}  // namespace vorna
