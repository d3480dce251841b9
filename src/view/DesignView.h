#pragma once
// The one view of a document window: the design results of its document, what it shows,
// the pens and font it draws with, and the choices remembered between output runs. Its
// command handlers are defined beside the code of their commands.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "design/DesignResults.h"
#include "platform/Canvas.h"
#include "topology/BasicCircuits.h"
#include "view/TracedCurves.h"
#include "view/ViewContent.h"

namespace vorna {

class CircuitOutput;
class DesignDocument;
class Ui;

// Scrollable area of the view, in logical units (pixels on screen).
inline constexpr int kViewWidth = 680;
inline constexpr int kViewHeight = 1200;

class DesignView : public DesignResults {
public:
    explicit DesignView(DesignDocument& document);

    DesignDocument& GetDocument() const { return document_; }

    GraphKind graphKind = GraphKind::Response;
    int outputChoice = 404;
    DisplayMode displayMode = DisplayMode::Graph;
    int pointsPerDecade = 201;
    std::array<std::string, 4> kindLabels{"Low Pass", "High Pass", "Band Pass", "Band Eject"};
    std::string gainUnitText;

    // The ten coloured pens and the slots that normally point at them (black while printing).
    static const std::array<Pen, 6> kCurvePens;  // blue, red, yellow, green, black, cyan
    static const std::array<Pen, 4> kMarkPens;   // grey, pink, white, magenta
    static const Pen kBlackPen;
    std::array<Pen, 6> curvePens = kCurvePens;
    std::array<Pen, 4> markPens = kMarkPens;
    Pen widePen{{0, 0, 0}, 2, PenStyle::Solid};
    Pen dottedPen{{0, 0, 0}, 1, PenStyle::Dotted};
    FontDescription viewFont;

    // The response graph's curves as last traced.
    TracedCurves tracedCurves;

    double samplingFrequency = 48000;
    double samplingPeriod = 1.0 / 48000;
    int lineHeight = 16;

    // Basic circuit last chosen in each of the seven selection dialogs, and the one of the
    // current output run.
    std::array<int, kBasicCircuitChoiceCount> circuitChoices = FirstCircuitIdOfEveryChoice();
    int selectedCircuit = 0;
    // E-series remembered for this window (1 E6 .. 5 E96).
    int eSeriesChoice = 3;
    // The circuit output's settings from the selection dialog: pre-distort the sections for
    // the op-amp's gain-bandwidth product, and the capacitor the steps start from (0: the
    // initial value tables').
    bool compensateForOpAmp = false;
    double startCapacitor = 0;
    // The gain-bandwidth product (Hz) of an op-amp by its name, as the front end knows it
    // (the op-amp table); none when it knows none.
    std::function<std::optional<double>(const std::string& opAmp)> opAmpGbw;

    // Asks the front end to repaint the whole view.
    std::function<void()> onInvalidate;
    void Invalidate() const {
        if (onInvalidate) onInvalidate();
    }
    // Takes a finished circuit output of command 630 (the desktop keeps its circuit); while
    // it is set, the run makes the schematic in memory even when no file is written.
    std::function<void(const CircuitOutput&, Ui&)> onCircuitOutput;

    // Paints: the screen paint and the print paint (isotropic page mapping, black pens).
    void OnDraw(Canvas& canvas);
    void OnPrint(Canvas& canvas);

    // Commands of the document window.
    void OnFilterSelect(Ui& ui);    // 600
    void OnParameterInput(Ui& ui);  // 640
    void OnConvertDigital(Ui& ui);  // 610
    void OnGraphSelect(Ui& ui);     // 620
    void OnOutput(Ui& ui);          // 630
    void OnFont(Ui& ui);            // 650
    void OnOpenDataFile(Ui& ui);    // 660

private:
    DesignDocument& document_;
};

}  // namespace vorna
