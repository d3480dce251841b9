// View operations whose commands are not written yet: they do nothing.
#include "view/CKorvelView.h"

namespace vorna {


}  // namespace vorna
