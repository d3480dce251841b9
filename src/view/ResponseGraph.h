#pragma once
// The frequency response graph: gain in dB and phase over a logarithmic frequency axis,
// below the design summary header. The frame's top is +10 dB and its bottom
// -graphAttMax dB; the phase band spans 2 pi in the frame's middle third.

#include "view/ShownDesign.h"

namespace vorna {

class Canvas;
class DesignView;

// Scales of the graph derived from the view's graph ranges.
struct ResponseScale {
    double decades = 0;    // D = log10(graphFreqMax / graphFreqMin)
    double perDecade = 0;  // X: logical units per decade
    double per10Db = 0;    // V: logical units per 10 dB
    int zeroDbY = 0;       // y of the 0 dB line

    // A frequency axis exists (a positive, finite number of decades).
    bool HasFrequencyAxis() const;
    // A dB axis exists (graphAttMax above -10 dB).
    bool HasGainAxis() const;
};

enum class ResponseDomain { Analog, Digital };

inline constexpr int kPhaseLineY = 265;       // phase 0, also the dotted reference line
inline constexpr int kPhaseLowerLimit = 320;  // lowest point of the phase band

ResponseScale ComputeResponseScale(const DesignView& view);

// Header, axes, gain and phase curves. For a digital design the frequency axis first
// extends to 1.5 times the sampling frequency (the lower end stays).
void DrawResponseGraph(DesignView& view, const ShownDesign& design, Canvas& canvas);

// Frame, frequency grid with its labels, dB grid with its labels and the 0 dB line.
ResponseScale DrawResponseAxes(const DesignView& view, Canvas& canvas);
// The curves are traced once and kept in the view until what they show changes.
void DrawGainCurve(DesignView& view, const ShownDesign& design, Canvas& canvas,
                   const ResponseScale& scale, ResponseDomain domain);
void DrawPhaseCurve(DesignView& view, const ShownDesign& design, Canvas& canvas,
                    const ResponseScale& scale, ResponseDomain domain);

}  // namespace vorna
