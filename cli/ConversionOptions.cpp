#include "ConversionOptions.h"

#include <cmath>

#include "app/DigitalConversionCommand.h"
#include "app/GainAtFrequency.h"
#include "circuit/EngValue.h"
#include "dialogs/DataExchange.h"
#include "dialogs/SamplingDialog.h"
#include "platform/CLocale.h"
#include "platform/MessageText.h"
#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

int UnitIndex(const std::string& unit) {
    for (std::size_t i = 0; i < kFrequencyUnits.size(); ++i) {
        if (unit == kFrequencyUnits[i].suffix) return static_cast<int>(i);
    }
    return -1;
}

double FrequencyHz(const std::string& option, const std::string& text) {
    const FrequencyText split = SplitFrequencyOption(option, text);
    return UnitToHz(LeadingNumber(split.number), UnitIndex(split.unit));
}

// The design file's conversion, again for the design the options may have changed.
void ConvertAsInFile(DesignWindow& window) {
    const double samplingFrequency = window.view.samplingFrequency;
    const double limit = SamplingFrequencyLowerLimit(window.doc);
    if (!(samplingFrequency >= limit)) {
        throw CliRefusal(
            MessageText({TextId::CliFileSamplingBelowLimit,
                         {Format("%.15g", samplingFrequency), Format("%.15g", limit)}}));
    }
    if (!ConvertToDigital(window.view, samplingFrequency)) {
        throw CliRefusal(
            MessageText({TextId::CliFileSamplingNotFinite, {Format("%.15g", samplingFrequency)}}));
    }
}

}  // namespace

void ConversionOptions::AddDigitalTo(CLI::App& verb) {
    verb.add_option("--digital", digital, Text(TextId::CliDigitalHelp));
}

void ConversionOptions::AddGainAtTo(CLI::App& verb) {
    verb.add_option("--gain-at", gainAt, Text(TextId::CliGainAtHelp))->allow_extra_args(false);
}

void ConversionOptions::Convert(DesignWindow& window) const {
    if (!digital) {
        if (window.digitalInFile) ConvertAsInFile(window);
        return;
    }
    // Read as the sampling dialog reads its entry.
    const FrequencyText split = SplitFrequencyOption("--digital", *digital);
    double number = 0;
    if (!ParseFieldDouble(split.number, number))
        throw CliRefusal(std::string("--digital: ") + Text(TextId::EnterNumber));
    if (number < 0 || number > kMaxSamplingNumber)
        throw CliRefusal("--digital: " + MessageText(NumberRangeMessage(0, kMaxSamplingNumber)));
    const double hz = UnitToHz(number, UnitIndex(split.unit));
    const double limit = SamplingFrequencyLowerLimit(window.doc);
    if (hz < limit || hz <= 0) {
        throw CliRefusal(MessageText(
            {TextId::CliSamplingBelowLimit, {EchoedText(*digital), Format("%.15g", limit)}}));
    }
    if (!ConvertToDigital(window.view, hz))
        throw CliRefusal(std::string("--digital: ") + Text(TextId::ConversionNotComputable));
}

nlohmann::json ConversionOptions::Gains(const DesignWindow& window) const {
    nlohmann::json gains = nlohmann::json::array();
    for (const auto& text : gainAt) {
        const double hz = FrequencyHz("--gain-at", text);
        if (!(hz >= 0))
            throw CliRefusal(MessageText({TextId::CliGainAtNegative, {EchoedText(text)}}));
        if (!std::isfinite(hz)) {
            throw CliRefusal(MessageText({TextId::CliGainAtBeyondLargest,
                                          {EchoedText(text), Text(TextId::CliLargestNumber)}}));
        }
        const GainAndPhase response = GainAndPhaseAt(window.view, hz);
        if (!std::isfinite(response.gainDb) || !std::isfinite(response.phaseDegrees) ||
            !std::isfinite(response.groupDelaySeconds)) {
            throw CliRefusal(MessageText({TextId::CliGainNotComputable, {EchoedText(text)}}));
        }
        gains.push_back({{"frequencyHz", hz},
                         {"gainDb", response.gainDb},
                         {"phaseDegrees", response.phaseDegrees},
                         {"groupDelaySeconds", response.groupDelaySeconds}});
    }
    return gains;
}

}  // namespace vorna::cli
