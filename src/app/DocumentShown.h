#pragma once
// The part of a document that its view shows.

#include "view/ShownDesign.h"

namespace vorna {

class DesignDocument;

ShownDesign ShownDesignOf(const DesignDocument& doc);

}  // namespace vorna
