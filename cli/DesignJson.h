#pragma once
// The JSON of a design: the document's fields by name, the view's design results under
// "results", and every message box text of the run under "messages". Numbers are written
// so that they read back to the same double. JSON has no infinity or NaN: the design
// procedures and the digital conversion refuse results that are not finite.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vorna {
class DesignDocument;
class DesignResults;
}  // namespace vorna

namespace vorna::cli {

nlohmann::json DesignDocumentJson(const DesignDocument& doc);

nlohmann::json DesignJson(const DesignDocument& doc, const DesignResults& results,
                          const std::vector<std::string>& messages);

// The text a verb prints for `json`, indented by two. A text that is not UTF-8 (a file name
// or a name from an input file) has each byte that is not shown as U+FFFD.
std::string JsonText(const nlohmann::json& json);

}  // namespace vorna::cli
