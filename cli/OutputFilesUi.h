#pragma once
// The Ui of the output verbs: a CliUi whose Save As chooser answers with the file given on
// the command line and whose Open chooser answers with the schematic given there.

#include <optional>
#include <string>

#include "CliUi.h"

namespace vorna::cli {

class OutputFilesUi : public CliUi {
public:
    std::optional<std::string> saveAs;
    std::optional<std::string> open;

    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override {
        return saveAs ? saveAs : CliUi::SaveFileName(request);
    }
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override {
        return open ? open : CliUi::OpenFileName(request);
    }
};

}  // namespace vorna::cli
