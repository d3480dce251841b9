#pragma once
// The names of the document template that the user sees (its texts are in the catalogue).

namespace vorna {

// The document template: new documents are named "Korvel1", "Korvel2", ...; the Open and
// Save As choosers offer the design file type first.
inline constexpr const char* kDocumentBaseName = "Korvel";
inline constexpr const char* kDocumentPatterns = "*.vorna";
inline constexpr const char* kDocumentExtension = "vorna";

}  // namespace vorna
