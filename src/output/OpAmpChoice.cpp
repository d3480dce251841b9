#include <sstream>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "platform/CLocale.h"
#include "platform/FileRead.h"
#include "platform/Ui.h"

namespace vorna {

void ChooseOutputOpAmp(CircuitOutput& output, Ui& ui) {
    if (ui.MessageBox("回路図のオペアンプを「ADA4807-4」に替えるなら「YES」\n",
                      MessageButtons::YesNo) == IDYES) {
        output.replaceOpAmp = 1;
        return;
    }
    output.replaceOpAmp = 0;
    const std::string path = ui.CurrentDirectory() + kOpAmpNameFile;
    const FileContents file = ReadInputFile(path, kMaxNameFileSize);
    if (!file) {
        const std::string problem = ReadProblemText(path, file.problem, kMaxNameFileSize);
        ui.MessageBox(problem.empty() ? "オペアンプは「LT1115」を使用します「OK」\n\n"
                                      : problem + "\n\nオペアンプは「LT1115」を使用します",
                      MessageButtons::Ok);
        return;
    }
    std::istringstream lines(file.bytes);
    const std::string name = ReadNameLine(lines).value_or("");
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
