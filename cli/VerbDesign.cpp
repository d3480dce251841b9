// vorna-cli design: one design through dialog 100 and its parameter dialog, printed as JSON.

#include <iostream>
#include <memory>

#include "CliUi.h"
#include "CliVerbs.h"
#include "DesignJson.h"
#include "DesignOptions.h"

namespace vorna::cli {

void RegisterDesignVerb(CLI::App& app) {
    auto* verb = app.add_subcommand("design", "Design a filter and print the document and its sections as JSON");
    auto options = std::make_shared<DesignOptions>();
    options->AddTo(*verb);
    verb->callback([options] {
        CliUi ui;
        try {
            const auto window = RunDesignCommand(*options, ui);
            std::cout << DesignJson(window->doc, window->view, ui.messages).dump(2) << '\n';
        } catch (const CliRefusal& refusal) {
            std::cerr << refusal.what() << '\n';
            SetExitStatus(2);
        } catch (const CliError& error) {
            std::cerr << error.what() << '\n';
            SetExitStatus(1);
        }
    });
}

}  // namespace vorna::cli
