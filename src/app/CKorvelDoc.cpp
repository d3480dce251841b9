#include "app/CKorvelDoc.h"

namespace vorna {

CKorvelDoc::CKorvelDoc() = default;

}  // namespace vorna
