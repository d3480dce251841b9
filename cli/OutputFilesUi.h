#pragma once
// The Ui of the output verbs: a CliUi whose Save As chooser answers with the file given on
// the command line and whose Open chooser answers with the schematic given there.

#include <optional>
#include <string>

#include "CliUi.h"
#include "platform/AbsolutePath.h"

namespace vorna::cli {

class OutputFilesUi : public CliUi {
public:
    std::optional<std::string> saveAs;
    std::optional<std::string> open;
    std::optional<std::string> unnamed;  // a scratch file that is not named as written

    std::optional<std::string> SaveFileName(const FileDialogRequest& request) override {
        return saveAs ? saveAs : CliUi::SaveFileName(request);
    }
    std::optional<std::string> OpenFileName(const FileDialogRequest& request) override {
        return open ? open : CliUi::OpenFileName(request);
    }
    void FilesWritten(const std::vector<std::string>& paths) override {
        std::vector<std::string> named;
        for (const auto& path : paths) {
            if (!unnamed || path != AbsolutePath(*unnamed)) named.push_back(path);
        }
        CliUi::FilesWritten(named);
    }
};

}  // namespace vorna::cli
