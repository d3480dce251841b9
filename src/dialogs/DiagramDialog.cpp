#include "dialogs/DiagramDialog.h"

#include <optional>
#include <string>

#include "platform/DiagramBitmap.h"
#include "topology/BasicCircuits.h"

namespace vorna {

namespace {

// Built afresh for every dialog, in the language of the moment.
DialogResource DiagramResource() {
    return DialogResource{
        kDiagramDialogId,
        Text(TextId::DiagramTitle),
        Text(TextId::DefaultFontFace),
        7,
        460,
        362,
        {
            // The diagram fills the whole client area; the OK button lies over its corner.
            {ControlKind::Picture, kDiagramPictureId, "", 0, 0, 460, 362},
            {ControlKind::Button, IDOK, "OK", 400, 344, 50, 14, true, true},
        },
    };
}

}  // namespace

std::string DiagramFileName(int circuitCode) {
    const std::optional<std::size_t> row = BasicCircuitRowOf(circuitCode);
    return row ? std::string(kBasicCircuits[*row].diagramFile) : std::string();
}

DiagramDialog::DiagramDialog(int code) : Dialog(DiagramResource()), circuitCode(code) {}

void DiagramDialog::OnInitDialog() {
    Ui& ui = CurrentUi();
    auto image = LoadDiagram(ui.ProgramDirectory() + "sys/" + DiagramFileName(circuitCode));
    if (!image) {
        ui.MessageBox(TextId::DiagramUnopenable, MessageButtons::Ok);
        return;
    }
    MutableControl(kDiagramPictureId).image = std::move(*image);
}

}  // namespace vorna
