// vorna-cli design: one design through dialog 100 and its parameter dialog, printed as JSON.

#include <iostream>
#include <memory>

#include "CliUi.h"
#include "CliVerbs.h"
#include "ConversionOptions.h"
#include "DesignJson.h"
#include "DesignOptions.h"
#include "OutputPath.h"
#include "document/DesignWindowFile.h"
#include "platform/AbsolutePath.h"
#include "text/Message.h"
#include "text/Texts.h"

namespace vorna::cli {

namespace {

void SaveDesign(const std::string& path, const DesignView& view, CliUi& ui) {
    if (const auto problem = SaveDesignFile(path, view)) throw CliError(MessageText(*problem));
    ui.FilesWritten({AbsolutePath(path)});
}

}  // namespace

void RegisterDesignVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("design", Text(TextId::CliDesignHelp));
    auto options = std::make_shared<DesignOptions>();
    options->AddTo(*verb);
    auto conversion = std::make_shared<ConversionOptions>();
    conversion->AddDigitalTo(*verb);
    conversion->AddGainAtTo(*verb);
    auto save = std::make_shared<std::optional<std::string>>();
    verb->add_option("--save", *save, Text(TextId::CliSaveHelp));
    verb->callback([options, conversion, save] {
        RunVerb([&] {
            if (*save) RequireOutputFile("--save", **save);
            CliUi ui;
            const auto window = RunDesignCommand(*options, ui);
            conversion->Convert(*window);
            auto json = DesignJson(window->doc, window->view, ui.messages);
            if (!conversion->gainAt.empty()) json["gains"] = conversion->Gains(*window);
            if (*save) SaveDesign(**save, window->view, ui);
            std::cout << JsonText(json) << '\n';
        });
    });
}

}  // namespace vorna::cli
