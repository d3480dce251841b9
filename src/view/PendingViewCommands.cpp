// View operations whose commands are not written yet: they do nothing.
#include "view/CKorvelView.h"

namespace vorna {

void CKorvelView::OnFilterSelect(Ui&) {}
void CKorvelView::OnParameterInput(Ui&) {}
void CKorvelView::OnOutput(Ui&) {}
void CKorvelView::OnOpenDataFile(Ui&) {}

}  // namespace vorna
