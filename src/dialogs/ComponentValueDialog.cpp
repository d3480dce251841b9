#include "dialogs/ComponentValueDialog.h"

#include <optional>
#include <stdexcept>

#include "circuit/ESeries.h"
#include "circuit/EngValue.h"
#include "dialogs/DataExchange.h"
#include "dialogs/ESeriesDialog.h"
#include "dialogs/UnitEntry.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

namespace {

constexpr int kDeviationLabel = 900;
constexpr int kCheckButton = 901;
constexpr int kRoundButton = 902;
constexpr int kNextButton = 903;
constexpr int kSeriesButton = 904;
constexpr int kSeriesLabel = 952;

struct EditableElement {
    int edit = 0;  // 0: the dialog has no such element
    int combo = 0;
    int label = 0;  // 0: a fixed label without id
    const char* labelFormat = "";
};

struct DerivedText {
    int control = 0;  // 0: unused
    const char* format = "";
};

// The text of the bound a dialog states for its stepped element.
struct BoundText {
    int control = 0;  // 0: unused
    TextId format{};
};

struct ComponentDialogLayout {
    int id;
    std::optional<TextId> heading;
    EditableElement a;
    EditableElement b;
    std::array<DerivedText, 3> derived;
    BoundText bound;
};

constexpr EditableElement kR1{910, 911, 912, "R1_%-d = "};
constexpr EditableElement kC1{913, 914, 915, "C1_%-d = "};
constexpr EditableElement kRb{916, 917, 918, "Rb_%-d = "};
constexpr EditableElement kCb{919, 920, 921, "Cb_%-d = "};
constexpr EditableElement kC2{922, 923, 924, "C2_%-d = "};
constexpr EditableElement kR2{926, 927, 928, "R2_%-d = "};
constexpr EditableElement kR3{930, 931, 932, "R3_%-d = "};
constexpr EditableElement kR4{933, 934, 935, "R4_%-d = "};
constexpr EditableElement kR5{936, 937, 938, "R5_%-d = "};
constexpr EditableElement kR6{939, 940, 941, "R6_%-d = "};
constexpr EditableElement kNone{};

const ComponentDialogLayout kLayouts[] = {
    {710,
     TextId::ComponentFirstOrderHeading,
     {910, 911, 0, "R1_1 = "},
     {913, 914, 0, "C1_1 = "},
     {},
     {}},
    {720,
     TextId::ComponentSecondOrderHeading,
     kR1,
     kC1,
     {{{922, "C2_%-d = %s"}, {926, "R2_%-d = %s"}}},
     {}},
    {730,
     std::nullopt,
     kR1,
     kNone,
     {{{926, "R2_%-d = %s"}, {930, "R3_%-d = %s"}, {933, "R4_%-d = %s"}}},
     {}},
    {731, std::nullopt, kRb, kCb, {}, {}},
    {732, std::nullopt, kRb, kCb, {{{913, "C1_%-d = %s"}, {910, "R1_%-d = %s"}}}, {}},
    {733, std::nullopt, kR2, kC2, {}, {925, TextId::ComponentC2AtLeast}},
    {734, std::nullopt, kR2, kC2, {}, {929, TextId::ComponentR2AtMost}},
    {735, std::nullopt, kR3, kR5, {}, {}},
    {736, std::nullopt, kR4, kR6, {}, {}},
    {740, std::nullopt, kR1, kC1, {{{926, "R2_%-d = %s"}, {930, "R3_%-d = %s"}}}, {}},
    {741, std::nullopt, kR1, kC1, {{{926, "R2_%-d = %s"}}}, {}},
    {742, std::nullopt, kR4, kNone, {{{930, "R3_%-d = %s"}}}, {}},
};

const ComponentDialogLayout& LayoutOf(int dialogId) {
    for (const auto& layout : kLayouts) {
        if (layout.id == dialogId) return layout;
    }
    throw std::invalid_argument("no component value dialog " + std::to_string(dialogId));
}

// The unit combo boxes list the component suffixes in table order (the sixth is empty).
std::vector<std::string> UnitItems() {
    std::vector<std::string> items;
    for (const auto& unit : kComponentUnits) items.emplace_back(unit.suffix);
    return items;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
std::string SectionText(const char* format, int section, const std::string& value = {}) {
    return Format(format, section, value.c_str());
}
#pragma GCC diagnostic pop

// The value's mantissa (four places) and unit as the edit box and combo box show them.
void SplitForEdit(double value, double& mantissa, std::string& unit) {
    mantissa = value;
    SplitEngValue(unit, mantissa);
    mantissa = RoundTo4Places(mantissa);
}

std::string SplitText(double value) {
    std::string unit;
    return SplitEngValue(unit, value);
}

void AddElement(std::vector<ControlSpec>& controls, const EditableElement& element, int y) {
    if (element.edit == 0) return;
    controls.push_back({ControlKind::Static, element.label != 0 ? element.label : IDC_STATIC,
                        element.labelFormat, 10, y, 50, 10});
    controls.push_back({ControlKind::Edit, element.edit, "", 62, y, 60, 12, true});
    controls.push_back(
        {ControlKind::DropDown, element.combo, "", 126, y, 40, 80, false, false, UnitItems()});
}

DialogResource ComponentResource(const ComponentDialogLayout& layout) {
    DialogResource r;
    r.id = layout.id;
    r.title = Text(TextId::ComponentTitle);
    r.width = ForLanguage(300, 340);
    r.height = 190;
    auto& c = r.controls;
    if (layout.heading)
        c.push_back({ControlKind::Static, IDC_STATIC, Text(*layout.heading), 10, 6, 200, 10});
    AddElement(c, layout.a, 22);
    AddElement(c, layout.b, 40);
    int y = 58;
    for (const auto& derived : layout.derived) {
        if (derived.control == 0) continue;
        c.push_back({ControlKind::Static, derived.control, derived.format, 10, y, 200, 10});
        y += 14;
    }
    if (layout.bound.control != 0)
        c.push_back(
            {ControlKind::Static, layout.bound.control, Text(layout.bound.format), 10, y, 280, 10});
    c.push_back(
        {ControlKind::Static, kSeriesLabel, Text(TextId::ComponentE24Deviation), 10, 120, 110, 10});
    c.push_back({ControlKind::Static, kDeviationLabel, "", 124, 120, 80, 10});
    c.push_back({ControlKind::Button, kCheckButton, Text(TextId::ComponentCheckDeviation), 10, 140,
                 ForLanguage(130, 160), 14, true});
    c.push_back({ControlKind::Button, kRoundButton, Text(TextId::ComponentRoundToE24),
                 ForLanguage(150, 180), 140, ForLanguage(130, 150), 14});
    c.push_back({ControlKind::Button, kNextButton, Text(TextId::ComponentNextCandidate), 10, 158,
                 ForLanguage(130, 160), 14});
    c.push_back({ControlKind::Button, kSeriesButton, Text(TextId::ComponentChangeSeries),
                 ForLanguage(150, 180), 158, ForLanguage(60, 80), 14});
    c.push_back({ControlKind::Button, IDOK, "OK", ForLanguage(220, 270), 158, 60, 14, false, true});
    return r;
}

}  // namespace

bool ComponentDialogHasElementB(int dialogId) {
    return LayoutOf(dialogId).b.edit != 0;
}

ComponentValueDialog::ComponentValueDialog(const ComponentDialogRequest& request)
    : Dialog(ComponentResource(LayoutOf(request.dialogId))), request_(request) {
    SplitForEdit(request.valueA, mantissaA, unitA);
    if (LayoutOf(request.dialogId).b.edit != 0) SplitForEdit(request.valueB, mantissaB, unitB);
}

void ComponentValueDialog::DoDataExchange(DataExchange& dx) {
    const ComponentDialogLayout& layout = LayoutOf(Id());
    const std::pair<const EditableElement*, std::pair<double*, std::string*>> elements[] = {
        {&layout.a, {&mantissaA, &unitA}}, {&layout.b, {&mantissaB, &unitB}}};
    for (const auto& [element, fields] : elements) {
        if (element->edit == 0) continue;
        dx.Text(element->edit, *fields.first);
        if (dx.Saving()) {
            dx.ComboText(element->combo, *fields.second);
            continue;
        }
        // The combo shows the suffix as it is; only an exact match selects a list entry
        // (the no-suffix class shows a single blank, which matches none).
        ControlState& combo = MutableControl(element->combo);
        combo.text = *fields.second;
        combo.selection = -1;
        for (std::size_t i = 0; i < combo.items.size(); ++i) {
            if (combo.items[i] == *fields.second) combo.selection = static_cast<int>(i);
        }
    }
}

void ComponentValueDialog::OnInitDialog() {
    const ComponentDialogLayout& layout = LayoutOf(Id());
    std::string unit;
    double percent = 100 * request_.deviation;
    SetText(kDeviationLabel, Format("%s %%", SplitEngValue(unit, percent).c_str()));
    const int eNumber = SeriesSize(request_.series);
    SetText(kSeriesLabel, Format(vorna::Text(TextId::ComponentSeriesDeviation), eNumber));
    SetText(kRoundButton, Format(vorna::Text(TextId::ComponentRoundToSeries), eNumber));
    for (const EditableElement* element : {&layout.a, &layout.b}) {
        if (element->label != 0)
            SetText(element->label, SectionText(element->labelFormat, request_.section));
    }
    for (std::size_t k = 0; k < layout.derived.size(); ++k) {
        const DerivedText& derived = layout.derived[k];
        if (derived.control == 0) continue;
        SetText(derived.control,
                SectionText(derived.format, request_.section, SplitText(request_.derived[k])));
    }
    if (layout.bound.control != 0) {
        SetText(layout.bound.control, SectionText(vorna::Text(layout.bound.format),
                                                  request_.section, SplitText(request_.bound)));
    }
}

void ComponentValueDialog::Mark(CandidateAction typed) {
    if (mark_ != CandidateAction::None) return;
    mark_ = typed;
    const ComponentDialogLayout& layout = LayoutOf(Id());
    const EditableElement& other = typed == CandidateAction::TypedA ? layout.b : layout.a;
    if (other.edit == 0) return;
    MutableControl(other.edit).readOnly = true;
    ControlState& combo = MutableControl(other.combo);
    combo.items.clear();
    combo.selection = -1;
}

void ComponentValueDialog::Close(CandidateAction buttonAction) {
    action = buttonAction == CandidateAction::ChangeSeries || mark_ == CandidateAction::None
                 ? buttonAction
                 : mark_;
    if (UpdateData(true)) {
        EndDialog(IDOK);
    } else {
        action = CandidateAction::None;
    }
}

void ComponentValueDialog::OnCommand(int controlId, Notification what) {
    const ComponentDialogLayout& layout = LayoutOf(Id());
    if (what != Notification::Clicked) {
        if (layout.a.edit != 0 && (controlId == layout.a.edit || controlId == layout.a.combo))
            Mark(CandidateAction::TypedA);
        if (layout.b.edit != 0 && (controlId == layout.b.edit || controlId == layout.b.combo))
            Mark(CandidateAction::TypedB);
        return;
    }
    switch (controlId) {
        case kCheckButton:
        case kNextButton:
            Close(CandidateAction::Next);
            return;
        case kRoundButton:
            Close(CandidateAction::Round);
            return;
        case IDOK:
            Close(CandidateAction::Accept);
            return;
        case kSeriesButton: {
            ESeriesDialog change(request_.series);
            if (CurrentUi().RunModal(change) != IDOK) return;
            seriesCode = change.SeriesCode();
            Close(CandidateAction::ChangeSeries);
            return;
        }
        default:
            Dialog::OnCommand(controlId, what);
    }
}

void ComponentValueDialog::OnCancel() {
    action = CandidateAction::None;
    EndDialog(IDCANCEL);
}

CandidateAnswer DialogChooser::Choose(const ComponentDialogRequest& candidate) {
    ComponentValueDialog dialog(candidate);
    ui_.RunModal(dialog);
    CandidateAnswer answer;
    answer.action = dialog.action;
    if (answer.action == CandidateAction::TypedA || answer.action == CandidateAction::TypedB)
        ApplyEngUnit(ui_, answer.typed, dialog.TypedMantissa(), dialog.TypedUnit());
    answer.seriesCode = dialog.seriesCode;
    return answer;
}

}  // namespace vorna
