#include "app/CKorvelDoc.h"

#include <cmath>

#include "app/DesignProcedures.h"

namespace vorna {

CKorvelDoc::CKorvelDoc() = default;

int CKorvelDoc::RunDesign(Ui& ui) {
    const int mode = byOrder != 0 ? 1 : 0;
    int group = 0;
    if (approximation == kButterworth) {
        group = 0;
    } else if (mode == 0 || approximation == kChebyshev) {
        group = 1;
    } else {
        group = 2;
    }
    const int slot = (kind - kLowPass) * 6 + 2 * group + mode;
    int result = 1;
    if (slot >= 0 && slot < static_cast<int>(kDesignProcedureSlots.size()) &&
        approximation >= kButterworth && approximation <= kElliptic) {
        result = RunDesignProcedure(
            ui, DesignProcedureOf(kDesignProcedureSlots[static_cast<std::size_t>(slot)]));
    }
    oddOrder = order % 2 != 0 ? 1 : 0;
    lastSection = static_cast<int>(std::ceil((order - 1) / 2.0)) - 1;
    return result;
}

}  // namespace vorna
