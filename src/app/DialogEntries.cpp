#include "app/DialogEntries.h"

#include <cmath>
#include <utility>

#include "circuit/EngValue.h"
#include "dialogs/DataExchange.h"
#include "dialogs/ParameterDialog.h"

namespace vorna {

namespace {

int UnitComboOf(int edit) {
    switch (edit) {
        case kFpValueEdit:
        case kFcValueEdit:
            return kFpUnitCombo;
        case kFp1ValueEdit:
            return kFp1UnitCombo;
        case kFp2ValueEdit:
            return kFp2UnitCombo;
        default:
            return 0;
    }
}

}  // namespace

DialogEntries::DialogEntries(DesignDocument& doc, const ParameterDialogSpec& procedure)
    : doc_(doc), procedure_(procedure), xsLimit_(std::sqrt(doc.fp2 / doc.fp1)) {
    const auto shown = [](double hz, int unit) { return FormatFieldDouble(HzToUnit(hz, unit)); };
    texts_[kFpValueEdit] = shown(doc.fp, doc.unitFp);
    texts_[kFcValueEdit] = texts_[kFpValueEdit];
    texts_[kFp1ValueEdit] = shown(doc.fp1, doc.unitFp1);
    texts_[kFp2ValueEdit] = shown(doc.fp2, doc.unitFp2);
    units_[kFpUnitCombo] = doc.unitFp;
    units_[kFp1UnitCombo] = doc.unitFp1;
    units_[kFp2UnitCombo] = doc.unitFp2;
    if (procedure.attp == AttpEntry::Shown3dB)
        texts_[kAttpEdit] = FormatFieldDouble(kThreeDecibels);
    if (procedure.attp == AttpEntry::Ripple)
        texts_[kAttpEdit] = FormatFieldDouble(doc.InitialRipple());
    texts_[kAttsEdit] = FormatFieldDouble(doc.atts);
    texts_[kXsEdit] = FormatFieldDouble(doc.xs);
    texts_[kOrderEdit] = std::to_string(doc.figures.order);
}

void DialogEntries::Type(int edit, const std::string& text, int unit) {
    // As in the dialog: a unit picked in a band edge's combo and a band edge typed (for
    // dialog 506 also Xs) compute the limit of Xs again; typing the text shown changes
    // nothing.
    const int combo = UnitComboOf(edit);
    if (combo != 0 && unit >= 0) {
        units_[combo] = unit;
        if (combo != kFpUnitCombo) UpdateXsLimit();
    }
    if (texts_[edit] == text) return;
    texts_[edit] = text;
    if (edit == kFp1ValueEdit || edit == kFp2ValueEdit ||
        (procedure_.id == 506 && edit == kXsEdit)) {
        UpdateXsLimit();
    }
}

void DialogEntries::UpdateXsLimit() {
    if (procedure_.xsLimit == XsLimit::None) return;
    if (const auto limit = XsLimitOfTypedEdges(texts_[kFp1ValueEdit], units_[kFp1UnitCombo],
                                               texts_[kFp2ValueEdit], units_[kFp2UnitCombo])) {
        xsLimit_ = *limit;
    }
}

namespace {

// Reads the edits as the dialog's data exchange does: up to the first refused entry.
class EntryReader {
public:
    explicit EntryReader(const std::map<int, std::string>& texts) : texts_(texts) {}

    double Number(int edit, double minimum, double maximum) {
        double value = 0;
        if (refused) return value;
        if (!ParseFieldDouble(texts_.at(edit), value)) {
            Refuse(edit, TextId::EnterNumber);
        } else if (value < minimum || value > maximum) {
            Refuse(edit, NumberRangeMessage(minimum, maximum));
        }
        return value;
    }

    int Integer(int edit, int minimum, int maximum) {
        int value = 0;
        if (refused) return value;
        if (!ParseFieldInt(texts_.at(edit), value)) {
            Refuse(edit, TextId::EnterInteger);
        } else if (value < minimum || value > maximum) {
            Refuse(edit, IntegerRangeMessage(minimum, maximum));
        }
        return value;
    }

    // Whether an entry was refused, and the first refused entry. The refusal is a plain
    // member beside a flag rather than an optional: it is always initialised, so that
    // copying it out never reads storage that an optimiser cannot prove written.
    bool refused = false;
    DialogEntries::Refused refusal{0, TextId::EnterNumber};

private:
    void Refuse(int edit, Message message) {
        refused = true;
        refusal = {edit, std::move(message)};
    }

    const std::map<int, std::string>& texts_;
};

}  // namespace

std::variant<DesignSpec, DialogEntries::Refused> DialogEntries::Read() const {
    DesignSpec spec = doc_.Spec();
    EntryReader reader(texts_);
    double fpValue = 0;
    double fp1Value = 0;
    double fp2Value = 0;
    for (const int control : procedure_.exchangeOrder) {
        switch (control) {
            case kFpValueEdit:
            case kFcValueEdit:
                fpValue = reader.Number(control, 0, kMaxFrequencyNumber);
                break;
            case kFp1ValueEdit:
                fp1Value = reader.Number(control, 0, kMaxFrequencyNumber);
                break;
            case kFp2ValueEdit:
                fp2Value = reader.Number(control, 0, kMaxFrequencyNumber);
                break;
            case kAttpEdit:
                spec.attp = reader.Number(control, 0, kMaxAttp);
                break;
            case kAttsEdit:
                spec.atts = reader.Number(control, 0, kMaxAtts);
                break;
            case kXsEdit:
                spec.xs = reader.Number(control, 1,
                                        procedure_.xsLimit == XsLimit::Bounds ? xsLimit_ : kMaxXs);
                break;
            case kOrderEdit:
                spec.order = reader.Integer(control, kMinOrderEntry, kMaxOrderEntry);
                break;
            default:
                break;
        }
    }
    if (reader.refused) return reader.refusal;
    if (procedure_.attp == AttpEntry::Hidden3dB) spec.attp = kThreeDecibels;
    if (IsBand(spec.kind)) {
        spec.fp1 = UnitToHz(fp1Value, units_.at(kFp1UnitCombo));
        spec.fp2 = UnitToHz(fp2Value, units_.at(kFp2UnitCombo));
    } else {
        spec.fp = UnitToHz(fpValue, units_.at(kFpUnitCombo));
    }
    return spec;
}

}  // namespace vorna
