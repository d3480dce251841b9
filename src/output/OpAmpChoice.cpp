#include <sstream>
#include <string_view>

#include "output/CircuitOutput.h"
#include "output/OpAmpNames.h"
#include "output/OpAmpReplacement.h"
#include "platform/FileRead.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

const char kUseDefaultReplacement[] = "回路図のオペアンプを「ADA4807-4」に替えるなら「YES」\n";
// The question that names the op-amp of "OPname.txt": start, name, end.
const char kKeepReferenceStart[] =
    "オペアンプは「LT1115」のままで良いなら「YES」\n\n「OPname.txt」の「";
const char kKeepReferenceEnd[] = "」を使用するなら「NO」";

}  // namespace

OpAmpQuestion OpAmpQuestionOf(const std::string& text) {
    if (text == kUseDefaultReplacement) return OpAmpQuestion::UseDefaultReplacement;
    const std::string_view start = kKeepReferenceStart;
    const std::string_view end = kKeepReferenceEnd;
    if (text.size() > start.size() + end.size() && text.compare(0, start.size(), start) == 0 &&
        text.compare(text.size() - end.size(), end.size(), end) == 0)
        return OpAmpQuestion::KeepReference;
    return OpAmpQuestion::Other;
}

void ChooseOutputOpAmp(CircuitOutput& output, Ui& ui) {
    if (ui.MessageBox(kUseDefaultReplacement, MessageButtons::YesNo) == IDYES) {
        output.replaceOpAmp = true;
        return;
    }
    output.replaceOpAmp = false;
    const std::string path = ui.CurrentDirectory() + kOpAmpNameFile;
    const FileContents file = ReadInputFile(path, kMaxNameFileSize);
    if (!file) {
        const std::string problem = ReadProblemText(path, file.problem, kMaxNameFileSize);
        ui.MessageBox(problem.empty() ? "オペアンプは「LT1115」を使用します「OK」\n\n"
                                      : problem + "\n\nオペアンプは「LT1115」を使用します",
                      MessageButtons::Ok);
        return;
    }
    std::istringstream lines{std::string(WithoutByteOrderMark(file.bytes))};
    const std::string name = ReadNameLine(lines).value_or("");
    if (!IsUsableOpAmpName(name)) {
        ui.MessageBox(
            UnusableOpAmpNameMessage(kOpAmpNameFile, name, "オペアンプは「LT1115」を使用します"),
            MessageButtons::Ok);
        return;
    }
    output.SetReplacementName(name);
    const std::string question = kKeepReferenceStart + name + kKeepReferenceEnd;
    if (ui.MessageBox(question, MessageButtons::YesNo) == IDNO) output.replaceOpAmp = true;
}

}  // namespace vorna
