#include "view/PoleZeroPlot.h"

#include <cmath>

#include "platform/CLocale.h"
#include "platform/Canvas.h"
#include "text/Texts.h"
#include "view/DesignView.h"
#include "view/GraphFrame.h"
#include "view/SummaryLines.h"

namespace vorna {

namespace {

constexpr int kCentreX = kFrameLeft + (kFrameRight - kFrameLeft) / 2;  // 344
constexpr int kCentreY = kFrameTop + kFrameHeight / 2;                 // 265

// The root (-b + w)/2 or (-b - w)/2 of x^2 + b x + c, w the principal root of b^2 - 4c.
Complex QuadraticRoot(double b, double c, bool plus) {
    const Complex w = SquareRoot({b * b - 4 * c, 0});
    return DivideByReal(Complex{-b, 0} + (plus ? w : -w), 2);
}

bool IsDigital(const DesignView& view) {
    return view.convertedToDigital;
}

double TruncatedMagnitude(double value) {
    return std::trunc(std::fabs(value));
}

}  // namespace

std::vector<PlotRoot> PoleZeroRoots(const DesignView& view, const ShownDesign& design) {
    std::vector<PlotRoot> roots;
    const double scale = IsDigital(view) ? 1.0 : view.omegaC;
    auto add = [&](Complex root, bool pole) { roots.push_back({DivideByReal(root, scale), pole}); };
    if (HasFirstOrderTerm(view, design.kind)) {
        add({-view.p0, 0}, true);
        if (view.p1 != 0) add(DivideByReal({-view.p2, 0}, view.p1), false);
    }
    const int last = LastSectionIndex(view);
    for (int i = 0; i <= last; ++i) {
        const Section& p = view.sections[static_cast<std::size_t>(i)];
        add(QuadraticRoot(p.den1, p.den0, true), true);
        add(QuadraticRoot(p.den1, p.den0, false), true);
        if (p.num2 != 0) {
            const double b = DivideByReal({p.num1, 0}, p.num2).re;
            const double c = DivideByReal({p.num0, 0}, p.num2).re;
            add(QuadraticRoot(b, c, true), false);
            add(QuadraticRoot(b, c, false), false);
        } else if (p.num1 != 0) {
            add(DivideByReal({-p.num0, 0}, p.num1), false);
        }
    }
    return roots;
}

double PoleZeroRange(const DesignView& view, const ShownDesign& design) {
    double largest = 0;  // M
    auto take = [&](double magnitude) {
        if (magnitude > largest) largest = magnitude;
    };
    if (HasFirstOrderTerm(view, design.kind)) {
        take(TruncatedMagnitude(view.p0));
        if (view.p1 != 0) take(TruncatedMagnitude(view.p2 / view.p1));
    }
    const int last = LastSectionIndex(view);
    for (int i = 0; i <= last; ++i) {
        const Section& p = view.sections[static_cast<std::size_t>(i)];
        take(Modulus(QuadraticRoot(p.den1, p.den0, true)));
        if (p.num2 != 0) {
            take(Modulus(QuadraticRoot(DivideByReal({p.num1, 0}, p.num2).re,
                                       DivideByReal({p.num0, 0}, p.num2).re, true)));
        } else if (p.num1 != 0) {
            take(TruncatedMagnitude(p.num0 / p.num1));
        }
    }
    if (!IsDigital(view)) largest = DivideByReal({largest, 0}, view.omegaC).re;
    const double range = 2 * std::ceil(largest);
    // No roots away from the origin (or values that are not numbers) would give no scale.
    if (!std::isfinite(range) || range < 2) return 2;
    return range;
}

void DrawPoleZeroPlot(const DesignView& view, const ShownDesign& design, Canvas& canvas) {
    DrawSummaryHeader(view, design, canvas);
    const double range = PoleZeroRange(view, design);
    const double scale = kFrameHeight / range;  // S, logical units per plot unit

    canvas.SelectPen(view.widePen);
    DrawFrame(canvas);

    const bool digital = IsDigital(view);
    const int textX = kFrameLeft + 5;
    canvas.TextOut(textX, kFrameTop + 5,
                   Text(digital ? TextId::PoleZeroZPlane : TextId::PoleZeroSPlane));
    canvas.TextOut(textX, kFrameTop + 25,
                   Text(digital ? TextId::PoleZeroRealAxis : TextId::PoleZeroRealAxisOverWc));
    canvas.TextOut(
        textX, kFrameTop + 45,
        Text(digital ? TextId::PoleZeroImaginaryAxis : TextId::PoleZeroImaginaryAxisOverWc));
    canvas.TextOut(textX, kFrameTop + 65, Text(TextId::PoleZeroLegend));

    canvas.SelectPen(view.curvePens[4]);
    const int radius = TruncateUnits(scale);
    canvas.Ellipse(kCentreX - radius, kCentreY - radius, kCentreX + radius, kCentreY + radius);

    auto gridLine = [&](int k) {
        const double y = kCentreY - k * scale;
        DrawLine(canvas, kFrameLeft, y, kFrameRight, y);
        canvas.TextOut(15, TruncateUnits(y - 7), Format("%2d", k));
        const double x = kCentreX + k * scale;
        DrawLine(canvas, x, kFrameTop, x, kFrameBottom);
        canvas.TextOut(TruncateUnits(x - 10), kFrameBottom + 10, Format("%2d", k));
    };
    gridLine(0);
    canvas.SelectPen(view.curvePens[3]);
    gridLine(1);
    gridLine(-1);
    canvas.SelectPen(view.curvePens[5]);
    // Lines of every fifth unit; left out when they would lie less than a unit apart and
    // merge into a solid area (and so that a huge range cannot stall the paint).
    if (5 * scale >= 1) {
        const double half = std::trunc(range / 2);
        for (int k = 5; k < half; k += 5) {
            gridLine(k);
            gridLine(-k);
        }
    }

    for (const PlotRoot& root : PoleZeroRoots(view, design)) {
        const double fx = std::ceil(kCentreX + root.position.re * scale);
        const double fy = std::ceil(kCentreY - root.position.im * scale);
        if (std::isnan(fx) || std::isnan(fy)) continue;
        const int x = TruncateUnits(fx);
        const int y = TruncateUnits(fy);
        if (root.pole) {
            canvas.SelectPen(view.markPens[3]);
            canvas.MoveTo(x - 2, y - 2);
            canvas.LineTo(x + 2, y + 2);
            canvas.MoveTo(x - 2, y + 2);
            canvas.LineTo(x + 2, y - 2);
        } else {
            canvas.SelectPen(view.curvePens[0]);
            canvas.Ellipse(x - 3, y - 3, x + 3, y + 3);
        }
    }
}

}  // namespace vorna
