#pragma once
// Dialog 700 (DiagramTitle): shows the diagram bitmap of one basic circuit from the
// installation's "sys" folder.

#include <string>

#include "dialogs/Dialog.h"

namespace vorna {

inline constexpr int kDiagramDialogId = 700;
inline constexpr int kDiagramPictureId = 701;

// The diagram file of the basic circuit with id `circuitCode`; empty for an id of none.
std::string DiagramFileName(int circuitCode);

class DiagramDialog : public Dialog {
public:
    explicit DiagramDialog(int circuitCode);

    int circuitCode;

protected:
    // Loads the bitmap; a file that cannot be loaded is reported and the picture stays empty.
    void OnInitDialog() override;
};

}  // namespace vorna
