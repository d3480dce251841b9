#pragma once
// The conversion of the window's design to a digital filter (command 610 runs it after asking
// for the sampling frequency).

namespace vorna {

class DesignDocument;
class DesignView;

// Twice the highest frequency of the design (Hz); 0 for an unknown kind.
double SamplingFrequencyLowerLimit(const DesignDocument& doc);

// Replaces the view's analog results by the digital filter for `samplingFrequency` (Hz,
// positive): pre-warps, recomputes the sections and maps them. The document is left as it
// was. When the digital results would not be finite (a sampling period too short for the
// arithmetic) the analog results stay and the answer is false; the view keeps the sampling
// frequency either way.
[[nodiscard]] bool ConvertToDigital(DesignView& view, double samplingFrequency);

}  // namespace vorna
