#pragma once
// Options that act on a finished design: --digital converts it to a digital filter (its
// entry read as dialog 200 reads it), --gain-at asks for its gain and phase at given
// frequencies.

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "CliUi.h"
#include "DesignOptions.h"

namespace vorna::cli {

struct ConversionOptions {
    std::optional<std::string> digital;  // sampling frequency, number with optional unit
    std::vector<std::string> gainAt;     // frequencies, number with optional unit

    void AddDigitalTo(CLI::App& verb);
    void AddGainAtTo(CLI::App& verb);

    // Converts the window's design when --digital was given, or at the sampling frequency of
    // its design file when that showed the digital filter. A sampling frequency below the
    // design's lower limit throws CliRefusal naming the limit.
    void Convert(DesignWindow& window) const;
    // [{"frequencyHz", "gainDb", "phaseDegrees", "groupDelaySeconds"}] for every --gain-at,
    // analog or digital as the design is. A negative frequency, or one where the gain is not
    // finite, throws CliRefusal.
    nlohmann::json Gains(const DesignWindow& window) const;
};

}  // namespace vorna::cli
