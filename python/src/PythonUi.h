#pragma once
// The Ui of the module's circuit runs (their basic circuit is given beforehand): it records
// every message, answers the op-amp questions for the schematic's op-amp, and fails the run
// (CircuitFailure) on anything else it is asked. Its current folder is a
// folder of the run's own, so that the journal goes nowhere the user did not ask for.

#include <string>
#include <vector>

#include "platform/Ui.h"

namespace vorna::python {

class PythonUi : public Ui {
public:
    PythonUi(std::string opAmp, std::string folder)
        : opAmp_(std::move(opAmp)), folder_(std::move(folder)) {}

    std::vector<std::string> messages;

    int MessageBox(const Message& message, MessageButtons buttons) override;
    int RunModal(Dialog& dialog) override;
    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
    bool ChooseFont(FontDescription& font) override;
    void OpenWithDesktop(const std::string& path) override;
    std::string ProgramDirectory() override;
    std::string CurrentDirectory() override;

private:
    [[noreturn]] void Fail(const std::string& what) const;

    std::string opAmp_;
    std::string folder_;
};

}  // namespace vorna::python
