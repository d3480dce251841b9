#include "OutputFilesUi.h"

#include <iostream>

#include "CliVerbs.h"

namespace vorna::cli {

void RunOutputVerb(const std::function<void()>& verb) {
    try {
        verb();
    } catch (const CliRefusal& refusal) {
        std::cerr << refusal.what() << '\n';
        SetExitStatus(2);
    } catch (const CliError& error) {
        std::cerr << error.what() << '\n';
        SetExitStatus(1);
    }
}

}  // namespace vorna::cli
