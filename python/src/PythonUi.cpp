#include "PythonUi.h"

#include "ModuleErrors.h"
#include "PythonCircuit.h"
#include "dialogs/Dialog.h"
#include "output/OpAmpReplacement.h"
#include "output/SchematicText.h"
#include "text/Message.h"

namespace vorna::python {

void PythonUi::Fail(const std::string& what) const {
    std::string text = what;
    for (const auto& message : messages) text += "\n" + message;
    throw CircuitFailure(text);
}

int PythonUi::MessageBox(const Message& message, MessageButtons buttons) {
    messages.push_back(MessageText(message));
    if (buttons == MessageButtons::Ok) return IDOK;
    if (message.id == TextId::AskUseDefaultOpAmp)
        return opAmp_ == kDefaultReplacementOpAmp ? IDYES : IDNO;
    if (message.id == TextId::AskKeepReferenceOpAmp)
        return opAmp_ == kReferenceOpAmp ? IDYES : IDNO;
    Fail("the circuit run asked a question it cannot answer:");
}

int PythonUi::RunModal(Dialog& dialog) {
    Fail("the circuit run showed dialog " + std::to_string(dialog.Id()) + ":");
}

std::optional<std::string> PythonUi::SaveFileName(const FileDialogRequest&) {
    return std::nullopt;
}

std::optional<std::string> PythonUi::OpenFileName(const FileDialogRequest&) {
    return std::nullopt;
}

bool PythonUi::ChooseFont(FontDescription&) {
    return false;
}

void PythonUi::OpenWithDesktop(const std::string&) {}

std::string PythonUi::ProgramDirectory() {
    return ModuleDirectory();
}

std::string PythonUi::CurrentDirectory() {
    return folder_;
}

}  // namespace vorna::python
