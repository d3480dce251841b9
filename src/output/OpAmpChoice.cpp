#include <sstream>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "platform/FileRead.h"
#include "platform/Ui.h"

namespace vorna {

void ChooseOutputOpAmp(CircuitOutput& output, Ui& ui) {
    if (ui.MessageBox(TextId::AskUseDefaultOpAmp, MessageButtons::YesNo) == IDYES) {
        output.replaceOpAmp = true;
        return;
    }
    output.replaceOpAmp = false;
    const std::string path = ui.CurrentDirectory() + kOpAmpNameFile;
    const FileContents file = ReadInputFile(path, kMaxNameFileSize);
    if (!file) {
        const std::string problem = ReadProblemText(path, file.problem, kMaxNameFileSize);
        ui.MessageBox(problem.empty()
                          ? Message(TextId::ReferenceOpAmpUsed)
                          : Message(TextId::NameFileProblemReferenceOpAmpUsed, {problem}),
                      MessageButtons::Ok);
        return;
    }
    std::istringstream lines{std::string(WithoutByteOrderMark(file.bytes))};
    const std::string name = ReadNameLine(lines).value_or("");
    if (!IsUsableOpAmpName(name)) {
        ui.MessageBox(
            UnusableOpAmpNameMessage(kOpAmpNameFile, name, TextId::ReferenceOpAmpUsedConsequence),
            MessageButtons::Ok);
        return;
    }
    output.SetReplacementName(name);
    if (ui.MessageBox({TextId::AskKeepReferenceOpAmp, {name}}, MessageButtons::YesNo) == IDNO)
        output.replaceOpAmp = true;
}

}  // namespace vorna
