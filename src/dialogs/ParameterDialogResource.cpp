// Layout of the parameter dialogs: a title row naming the filter kind and approximation,
// then one row per entry (label on the left, the edit in the middle, its unit combo or unit
// label on the right), OK and Cancel at the right of the last two rows.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/DialogResource.h"
#include "dialogs/ParameterDialog.h"
#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna {

namespace {

// The texts are ids, read when a dialog is laid out, so that they follow the language chosen.
struct LabelRow {
    int control;  // the entry the label belongs to; kNoteRow for the 3.01 dB note
    std::vector<int> dialogs;
    TextId text;
    std::optional<TextId> secondLine;  // the Xs row of the band-eliminate dialogs
};

constexpr int kNoteRow = 0;
constexpr TextId kXsRangeLine = TextId::ParameterXsRange;

const std::vector<LabelRow>& LabelRows() {
    static const std::vector<LabelRow> rows{
        {520, {500, 502}, TextId::ParameterFpNearCutoff},
        {520, {501, 503}, TextId::ParameterFpCutoff},
        {535, {508, 509, 510, 511, 512, 513}, TextId::ParameterFcCutoff},
        {534, {508, 509, 510, 511, 512, 513, 514, 515, 516, 517, 518, 519}, TextId::ParameterOrder},
        {522, {500, 501, 502, 503}, TextId::ParameterAttpAtFp},
        {522, {505, 507, 515, 516, 518, 519}, TextId::ParameterAttpAtFp1Fp2},
        {522, {509, 510, 512, 513}, TextId::ParameterAttpAtFc},
        {kNoteRow, {504, 506}, TextId::ParameterAttpFixed},
        {524, {500, 501, 502, 503}, TextId::ParameterAttsAtFs},
        {524, {504, 505, 506, 507}, TextId::ParameterAttsAtFs1Fs2},
        {523, {500, 501}, TextId::ParameterXsFsOverFp},
        {523, {502, 503}, TextId::ParameterXsFpOverFs},
        {523, {504, 505}, TextId::ParameterXsFp1OverFs1},
        {523, {506, 507}, TextId::ParameterXsFs1OverFp1InRange, kXsRangeLine},
        {523, {508, 509, 510}, TextId::ParameterMinimumXsFsOverFc},
        {523, {511, 512, 513}, TextId::ParameterMinimumXsFcOverFs},
        {523, {514, 515, 516}, TextId::ParameterMinimumXsFp1OverFs1},
        {523, {517, 518, 519}, TextId::ParameterMinimumXsFs1OverFp1InRange, kXsRangeLine},
        {527, {504, 505, 515, 516}, TextId::ParameterPassBandLowerEdge},
        {527, {514}, TextId::ParameterPassBandLowerEdgeWide},
        {530, {504, 505, 515, 516}, TextId::ParameterPassBandUpperEdge},
        {530, {514}, TextId::ParameterPassBandUpperEdgeWide},
        {527, {506, 507, 517, 518, 519}, TextId::ParameterStopBandLowerEdge},
        {530, {506, 507, 517, 518, 519}, TextId::ParameterStopBandUpperEdge},
    };
    return rows;
}

const LabelRow* FindLabel(int dialogId, int control) {
    for (const auto& row : LabelRows()) {
        if (row.control == control &&
            std::find(row.dialogs.begin(), row.dialogs.end(), dialogId) != row.dialogs.end()) {
            return &row;
        }
    }
    return nullptr;
}

const char* KindCaption(FilterKind kind) {
    switch (kind) {
        case FilterKind::LowPass:
            return Text(TextId::ParameterKindLowPass);
        case FilterKind::HighPass:
            return Text(TextId::ParameterKindHighPass);
        case FilterKind::BandPass:
            return Text(TextId::ParameterKindBandPass);
        case FilterKind::BandEliminate:
            break;
    }
    return Text(TextId::ParameterKindBandEliminate);
}

const std::vector<std::string> kUnitItems{"mHz", "Hz", "KHz", "Meg", "GHz"};

// Columns and rows in dialog units. Row r has its edit at kFirstRowY + r * kRowStep and its
// label kLabelDrop lower.
constexpr int kLabelX = 5;
constexpr int kEditX = 200;
constexpr int kUnitX = 270;
constexpr int kButtonX = 285;
constexpr int kCaptionY = 10;
constexpr int kNameX = 240;
constexpr int kLimitX = 120;
constexpr int kFirstRowY = 20;
constexpr int kRowStep = 15;
constexpr int kLabelDrop = 5;
constexpr int kLabelWidth = 190;
constexpr int kEditWidth = 60;
constexpr int kUnitWidth = 45;
constexpr int kLineHeight = 8;
constexpr int kEditHeight = 12;
constexpr int kButtonWidth = 35;
constexpr int kButtonHeight = 14;
constexpr int kDialogWidth = 325;
constexpr int kMinDialogHeight = 82;
// The English approximation caption starts further left, beside a narrower kind caption; the
// English labels of the long rows need this much more room, by which the columns from the
// caption rightwards move right.
constexpr int kEnglishCaptionX = 170;
constexpr int kEnglishLabelExtra = 72;

void WidenLabelColumn(DialogResource& r, int extra) {
    for (ControlSpec& control : r.controls) {
        if (control.x >= kEnglishCaptionX) {
            control.x += extra;
        } else if (control.kind == ControlKind::Static && control.x == kLabelX &&
                   control.width >= kLabelWidth) {
            control.width += extra;
        }
    }
    r.width += extra;
}

class RowBuilder {
public:
    explicit RowBuilder(DialogResource& resource) : resource_(resource) {}

    int EditY() const { return kFirstRowY + kRowStep * row_; }
    int LabelY() const { return EditY() + kLabelDrop; }
    void Next() { ++row_; }
    int Rows() const { return row_; }
    bool HasCombo(int row) const {
        return std::find(comboRows_.begin(), comboRows_.end(), row) != comboRows_.end();
    }

    void Label(const std::string& text, int x = kLabelX, int width = kLabelWidth) {
        resource_.controls.push_back(
            {ControlKind::Static, IDC_STATIC, text, x, LabelY(), width, kLineHeight});
    }
    void Edit(int id) {
        resource_.controls.push_back(
            {ControlKind::Edit, id, "", kEditX, EditY(), kEditWidth, kEditHeight, true});
    }
    void UnitCombo(int id, std::vector<std::string> items) {
        resource_.controls.push_back({ControlKind::DropList, id, "", kUnitX, EditY(), kUnitWidth,
                                      kEditHeight, false, false, std::move(items)});
        comboRows_.push_back(row_);
    }

private:
    DialogResource& resource_;
    int row_ = 0;
    std::vector<int> comboRows_;
};

}  // namespace

std::array<std::string, 3> BesselNormTexts() {
    return {Text(TextId::BesselNormGain), Text(TextId::BesselNormDelay),
            Text(TextId::BesselNormPhase)};
}

DialogResource ParameterDialogResource(const ParameterDialogSpec& spec,
                                       const std::string& captionName, bool besselNorm,
                                       int maxOrder) {
    DialogResource r;
    r.id = spec.id;
    r.title = Text(TextId::ParameterTitle);
    r.fontName = Text(TextId::DefaultFontFace);
    r.fontPoints = 8;
    r.width = kDialogWidth;

    const int approximationX = ForLanguage(kEditX, kEnglishCaptionX);
    const int nameX = ForLanguage(kNameX, 232);
    r.controls.push_back({ControlKind::Static, IDC_STATIC, KindCaption(spec.kind), kLabelX,
                          kCaptionY, ForLanguage(kLabelWidth, 160), kLineHeight});
    switch (spec.caption) {
        case ApproximationCaption::Butterworth:
            r.controls.push_back(
                {ControlKind::Static, IDC_STATIC,
                 captionName.empty()
                     ? std::string(Text(TextId::ParameterButterworth))
                     : Format(Text(TextId::ParameterThreeDecibelCaption), captionName.c_str()),
                 kEditX, kCaptionY, kDialogWidth - kEditX - 5, kLineHeight});
            break;
        case ApproximationCaption::Chebyshev:
            r.controls.push_back({ControlKind::Static, IDC_STATIC, Text(TextId::ParameterChebyshev),
                                  kEditX, kCaptionY, kDialogWidth - kEditX - 5, kLineHeight});
            break;
        case ApproximationCaption::Named:
            r.controls.push_back({ControlKind::Static, IDC_STATIC,
                                  Text(TextId::FilterSelectApproximationGroup), approximationX,
                                  kCaptionY, nameX - approximationX, kLineHeight});
            r.controls.push_back({ControlKind::Static, kApproximationStatic, "", nameX, kCaptionY,
                                  kDialogWidth - nameX - 5, kLineHeight});
            break;
    }

    RowBuilder rows(r);
    auto fixedUnit = [&](const char* text) { rows.Label(text, kUnitX, kUnitWidth); };
    auto entryRow = [&](int edit, int combo, const char* unit) {
        if (!spec.Has(edit)) return;
        rows.Edit(edit);
        if (combo != 0) {
            std::vector<std::string> items = kUnitItems;
            if (spec.id == 504 && combo == kFp2UnitCombo) items.emplace_back();
            rows.UnitCombo(combo, std::move(items));
        }
        const char* label = Text(FindLabel(spec.id, edit)->text);
        rows.Label(edit == kOrderEdit ? Format(label, maxOrder) : std::string(label));
        if (unit != nullptr) fixedUnit(unit);
        rows.Next();
    };

    if (besselNorm) {
        const auto& texts = BesselNormTexts();
        r.controls.push_back({ControlKind::DropList, kBesselNormCombo, "", kEditX, rows.EditY(),
                              kUnitX + kUnitWidth - kEditX, kEditHeight, true, false,
                              std::vector<std::string>(texts.begin(), texts.end())});
        rows.Label(Text(TextId::ParameterBesselNormLabel));
        rows.Next();
    }
    entryRow(kOrderEdit, 0, nullptr);
    entryRow(kFpValueEdit, kFpUnitCombo, nullptr);
    entryRow(kFcValueEdit, kFpUnitCombo, nullptr);
    entryRow(kFp1ValueEdit, kFp1UnitCombo, nullptr);
    entryRow(kFp2ValueEdit, kFp2UnitCombo, nullptr);
    if (const LabelRow* note = FindLabel(spec.id, kNoteRow)) {
        rows.Label(Text(note->text));
        rows.Next();
    }
    entryRow(kAttpEdit, 0, "dB");
    if (spec.xsLimit == XsLimit::None) {
        entryRow(kXsEdit, 0, Text(TextId::ParameterTimes));
    } else {
        // The first line of the Xs label has its row to itself and may use the full width.
        const LabelRow* label = FindLabel(spec.id, kXsEdit);
        rows.Label(Text(label->text), kLabelX, kDialogWidth - 2 * kLabelX);
        rows.Next();
        rows.Edit(kXsEdit);
        rows.Label(Text(*label->secondLine));
        r.controls.push_back(
            {ControlKind::Static, kXsLimitStatic, "", kLimitX, rows.LabelY(), 50, kLineHeight});
        fixedUnit(Text(TextId::ParameterTimes));
        rows.Next();
    }
    entryRow(kAttsEdit, 0, "dB");

    // OK and Cancel stand at the right of the last two rows; where one of those rows has a unit
    // combo (the short order-mode dialogs), the buttons move right of the combos.
    const int lastEditY = kFirstRowY + kRowStep * (rows.Rows() - 1);
    const bool besideCombo = rows.HasCombo(rows.Rows() - 1) || rows.HasCombo(rows.Rows() - 2);
    // The English unit "times" needs more room before the buttons than its Japanese one.
    const int buttonX = besideCombo ? kUnitX + kUnitWidth + 5 : ForLanguage(kButtonX, kButtonX + 8);
    r.width = std::max(kDialogWidth, buttonX + kButtonWidth + 5);
    r.controls.push_back({ControlKind::Button, IDOK, "OK", buttonX, lastEditY - kRowStep,
                          kButtonWidth, kButtonHeight, true, true});
    r.controls.push_back({ControlKind::Button, IDCANCEL, Text(TextId::ButtonCancel), buttonX,
                          lastEditY, kButtonWidth, kButtonHeight, true});
    if (besselNorm && spec.kind == FilterKind::LowPass) {
        // Beside the normalisation row, which the combo leaves free at the right.
        constexpr int kDelayButtonWidth = kButtonWidth + 20;
        r.controls.push_back({ControlKind::Button, kGroupDelayButton,
                              Text(TextId::GroupDelayButton), buttonX, lastEditY - 2 * kRowStep,
                              kDelayButtonWidth, kButtonHeight, true});
        r.width = std::max(r.width, buttonX + kDelayButtonWidth + 5);
    }
    r.height = std::max(lastEditY + 17, kMinDialogHeight);
    WidenLabelColumn(r, ForLanguage(0, kEnglishLabelExtra));
    return r;
}

}  // namespace vorna
