// vorna-cli design: one design through dialog 100 and its parameter dialog, printed as JSON.

#include <iostream>
#include <memory>

#include "CliUi.h"
#include "CliVerbs.h"
#include "ConversionOptions.h"
#include "DesignJson.h"
#include "DesignOptions.h"

namespace vorna::cli {

void RegisterDesignVerb(CLI::App& app) {
    auto* verb = app.add_subcommand(
        "design", "Design a filter and print the document and its sections as JSON");
    auto options = std::make_shared<DesignOptions>();
    options->AddTo(*verb);
    auto conversion = std::make_shared<ConversionOptions>();
    conversion->AddDigitalTo(*verb);
    conversion->AddGainAtTo(*verb);
    verb->callback([options, conversion] {
        RunVerb([&] {
            CliUi ui;
            const auto window = RunDesignCommand(*options, ui);
            conversion->Convert(*window, ui);
            auto json = DesignJson(window->doc, window->view, ui.messages);
            if (!conversion->gainAt.empty()) json["gains"] = conversion->Gains(*window);
            std::cout << json.dump(2) << '\n';
        });
    });
}

}  // namespace vorna::cli
