#include "AboutBox.h"

#include "Icons.h"
#include "ImageConversion.h"

namespace vorna {

DialogResource AboutBoxResource() {
    DialogResource resource;
    resource.id = 10;
    resource.title = Text(TextId::AboutTitle);
    resource.fontPoints = 9;
    resource.width = 234;
    resource.height = 64;
    resource.controls = {
        {ControlKind::Picture, AboutBox::kIconControl, "", 11, 14, 21, 20},
        {ControlKind::Static, IDC_STATIC, "Vorna Ver.3.30", 42, 10, 140, 9},
        {ControlKind::Static, IDC_STATIC, Text(TextId::AboutProgram), 42, 25, 140, 9},
        {ControlKind::Static, IDC_STATIC, "1995/03/14", 42, 40, 140, 9},
        {ControlKind::Button, IDOK, "OK", 190, 7, 36, 14, true, true},
    };
    return resource;
}

AboutBox::AboutBox() : Dialog(AboutBoxResource()) {}

void AboutBox::OnInitDialog() {
    MutableControl(kIconControl).image = ToCoreImage(ProgramIconImage(32));
}

}  // namespace vorna
