#pragma once
// The design results of a document: its sections and graph ranges, computed again from its
// entries and figures by the design API.

namespace vorna {

class DesignDocument;
class DesignResults;

// Resets `results` for the document's design and computes its sections and graph ranges;
// an elliptic design leaves what its order reaches in the document.
void RecomputeResults(DesignResults& results, DesignDocument& doc);

}  // namespace vorna
