// The view's two paints. Screen and paper show the same drawing: the graph chosen by
// graphKind or the coefficient list, in the view's font; on paper every pen is black and
// the 680 x 1200 page of the screen is scaled to the printable page.
#include "app/DocumentResults.h"
#include "app/DocumentShown.h"
#include "view/CoefficientList.h"
#include "view/DesignView.h"
#include "view/PoleZeroPlot.h"
#include "view/ResponseGraph.h"

namespace vorna {

namespace {

void DrawContent(DesignView& view, Canvas& canvas) {
    const ShownDesign design = ShownDesignOf(view.GetDocument());
    switch (view.displayMode) {
        case DisplayMode::Blank:
            break;
        case DisplayMode::Graph:
            if (view.graphKind == GraphKind::Response) {
                DrawResponseGraph(view, design, canvas);
            } else {
                DrawPoleZeroPlot(view, design, canvas);
            }
            break;
        case DisplayMode::CoefficientList:
            DrawCoefficientList(view, design, canvas);
            break;
    }
}

}  // namespace

void DesignView::OnDraw(Canvas& canvas) {
    if (noDesignYet) RecomputeResults(*this, GetDocument());
    if (displayMode == DisplayMode::Blank) return;
    canvas.SelectFont(viewFont);
    canvas.SelectPen(kBlackPen);
    // A font that reports no height keeps the previous line step rather than piling the
    // lines on top of each other.
    const int height = canvas.TextHeight();
    if (height > 0) lineHeight = height;
    DrawContent(*this, canvas);
}

void DesignView::OnPrint(Canvas& canvas) {
    if (displayMode == DisplayMode::Blank) return;
    canvas.SelectFont(viewFont);
    curvePens.fill(kBlackPen);
    markPens.fill(kBlackPen);
    canvas.SelectPen(kBlackPen);
    canvas.SetIsotropicMapping(kViewWidth, kViewHeight, 100, 100);
    DrawContent(*this, canvas);
    curvePens = kCurvePens;
    markPens = kMarkPens;
}

}  // namespace vorna
