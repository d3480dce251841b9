#include <fstream>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "platform/CLocale.h"
#include "platform/Ui.h"

namespace vorna {

void ChooseOutputOpAmp(CircuitOutput& output, Ui& ui) {
    if (ui.MessageBox("回路図のオペアンプを「ADA4807-4」に替えるなら「YES」\n",
                      MessageButtons::YesNo) == IDYES) {
        output.replaceOpAmp = 1;
        return;
    }
    output.replaceOpAmp = 0;
    std::ifstream file(ui.CurrentDirectory() + kOpAmpNameFile, std::ios::binary);
    if (!file) {
        ui.MessageBox("オペアンプは「LT1115」を使用します「OK」\n\n", MessageButtons::Ok);
        return;
    }
    const std::string name = ReadNameLine(file).value_or("");
    file.close();
    if (!IsUsableOpAmpName(name)) {
        ui.MessageBox(
            UnusableOpAmpNameMessage(kOpAmpNameFile, name, "オペアンプは「LT1115」を使用します"),
            MessageButtons::Ok);
        return;
    }
    output.SetReplacementName(name);
    const std::string question = Format(
        "オペアンプは「LT1115」のままで良いなら「YES」\n\n「OPname.txt」の「%"
        "s」を使用するなら「NO」",
        name.c_str());
    if (ui.MessageBox(question, MessageButtons::YesNo) == IDNO) output.replaceOpAmp = 1;
}

}  // namespace vorna
