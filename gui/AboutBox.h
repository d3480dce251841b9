#pragma once
// The about box (dialog 10): the program icon, its name and version, what it is and its date.

#include "dialogs/Dialog.h"

namespace vorna {

DialogResource AboutBoxResource();

class AboutBox : public Dialog {
public:
    static constexpr int kIconControl = 1001;

    AboutBox();

protected:
    void OnInitDialog() override;
};

}  // namespace vorna
