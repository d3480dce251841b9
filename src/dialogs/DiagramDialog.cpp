#include "dialogs/DiagramDialog.h"

#include <array>

#include "output/DiagramBitmap.h"

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

constexpr std::array<const char*, 14> kDiagramFiles{
    "khn_lp1.bmp", "khn_lp2.bmp", "khn_be1.bmp", "khn_be2.bmp",  // LP1 .. LP4
    "khn_hp1.bmp", "khn_hp2.bmp", "khn_be1.bmp", "khn_be2.bmp",  // HP1 .. HP4
    "khn_bp1.bmp", "khn_bp2.bmp", "khn_be1.bmp", "khn_be2.bmp",  // BP1 .. BP4
    "khn_be1.bmp", "khn_be2.bmp",                                // BE1, BE2
};

}  // namespace

const char* DiagramFileName(int circuitCode) {
    const int index = circuitCode - 480;
    if (index < 0 || index >= static_cast<int>(kDiagramFiles.size())) return "";
    return kDiagramFiles[static_cast<std::size_t>(index)];
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
