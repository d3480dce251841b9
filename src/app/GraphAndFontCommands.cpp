// Commands 620 (which graph, how many points per decade) and 650 (the view's font).
#include "dialogs/GraphDialog.h"
#include "platform/Ui.h"
#include "view/DesignView.h"

namespace vorna {

void DesignView::OnGraphSelect(Ui& ui) {
    GraphDialog dialog;
    dialog.graphIndex = graphKind == GraphKind::PoleZero ? 1 : 0;
    dialog.graphPoints = pointsPerDecade;
    if (dialog.DoModal(ui) != IDOK) return;
    // No radio checked keeps the graph shown.
    if (dialog.graphIndex >= 0)
        graphKind = dialog.graphIndex == 1 ? GraphKind::PoleZero : GraphKind::Response;
    pointsPerDecade = dialog.graphPoints;
    displayMode = DisplayMode::Graph;
    Invalidate();
}

void DesignView::OnFont(Ui& ui) {
    ui.ChooseFont(viewFont);
    Invalidate();
}

}  // namespace vorna
