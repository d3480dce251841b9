#pragma once
// A message for the user as the core hands it to the Ui: which message it is and the values
// that fill its placeholders. Code that answers a question looks at the id; only the Ui
// turns a message into text.

#include <string>
#include <utility>
#include <vector>

#include "text/TextId.h"

namespace vorna {

struct Message {
    // Implicit, so that a message without placeholders is written as its id.
    Message(TextId textId, std::vector<std::string> values = {})  // NOLINT
        : id(textId), arguments(std::move(values)) {}

    TextId id;
    // The placeholders' values in order, each as printf would print it.
    std::vector<std::string> arguments;
};

// The message's text in the current language: every placeholder ("%s", "%d", "%zu", …)
// replaced by the next argument, "%%" by "%".
std::string MessageText(const Message& message);

}  // namespace vorna
