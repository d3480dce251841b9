#pragma once
// The entries of a document's design that a synthesis of it reads.

#include "app/DesignDocument.h"
#include "circuit/Synthesis.h"

namespace vorna {

inline SynthesisInput SynthesisInputOf(const DesignDocument& doc) {
    SynthesisInput input{static_cast<FilterKind>(doc.kind), doc.approximation, doc.fp1, doc.fp2,
                         doc.referenceMode};
    input.passEdgeHz = doc.fp;
    return input;
}

}  // namespace vorna
