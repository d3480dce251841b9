#pragma once
// The entries of a design procedure's parameter dialog as a user leaves them, without the
// dialog: the document's values as the dialog shows them (the ripple it proposes included),
// with any texts typed over them, read back and checked as the dialog reads them.

#include <map>
#include <string>
#include <variant>

#include "app/DesignDocument.h"
#include "dialogs/ParameterDialogTable.h"
#include "text/Message.h"

namespace vorna {

class DialogEntries {
public:
    // Fills the entries of `procedure` from the document, as the procedure fills its dialog.
    DialogEntries(DesignDocument& doc, const ParameterDialogSpec& procedure);

    // Types `text` into an edit; a frequency edit also selects unit `unit` (0 mHz .. 4 GHz)
    // in its combo box.
    void Type(int edit, const std::string& text, int unit = -1);

    // An entry that the dialog refuses: its edit and the dialog's message.
    struct Refused {
        int edit;
        Message message;
    };
    // The design the entries ask for, or the first entry the dialog refuses, in the order in
    // which the dialog reads them.
    std::variant<DesignSpec, Refused> Read() const;

private:
    void UpdateXsLimit();

    const DesignDocument& doc_;
    const ParameterDialogSpec& procedure_;
    std::map<int, std::string> texts_;
    std::map<int, int> units_;
    double xsLimit_;
};

}  // namespace vorna
