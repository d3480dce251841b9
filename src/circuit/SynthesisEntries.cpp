#include "circuit/CandidateChooser.h"
#include "circuit/SectionRoutines.h"
#include "circuit/Synthesis.h"
#include "circuit/SynthesisContext.h"
#include "platform/Ui.h"

namespace vorna {

namespace {

// How a basic circuit covers a design: whether the first-order section comes first (the
// low-pass and high-pass circuits), whether an odd band-pass design realises section 0 by
// the dual-amplifier band-pass first, and the routine of the second-order sections
// (returning 1 for a section it cannot realise).
struct EntryRecipe {
    bool firstOrderSection;
    bool bandPassSectionFirst;
    int (*sectionRoutine)(SynthesisContext& ctx, int i);
};

template <SecondOrderForm F>
int LowPass(SynthesisContext& ctx, int i) {
    SynthesizeLowPassSection(ctx, i, F);
    return 0;
}
template <SecondOrderForm F>
int HighPass(SynthesisContext& ctx, int i) {
    SynthesizeHighPassSection(ctx, i, F);
    return 0;
}
constexpr SecondOrderForm kFeedback = SecondOrderForm::MultipleFeedback;
constexpr SecondOrderForm kSallenKey = SecondOrderForm::SallenKey;
template <int V>
int Notch1(SynthesisContext& ctx, int i) {
    return SynthesizeStateVariableNotch(ctx, V, i);
}
template <int V>
int Notch2(SynthesisContext& ctx, int i) {
    return SynthesizeIntegratorNotch(ctx, V, i);
}

constexpr std::array<EntryRecipe, 14> kRecipes = {{
    {true, false, LowPass<kFeedback>},                   // LP1
    {true, false, LowPass<kSallenKey>},                  // LP2
    {true, false, Notch1<kNotchLP>},                     // LP3
    {true, false, Notch2<kNotchLP>},                     // LP4
    {true, false, HighPass<kFeedback>},                  // HP1
    {true, false, HighPass<kSallenKey>},                 // HP2
    {true, false, Notch1<kNotchHP>},                     // HP3
    {true, false, Notch2<kNotchHP>},                     // HP4
    {false, false, SynthesizeMultipleFeedbackBandPass},  // BP1
    {false, false, SynthesizeDualAmplifierBandPass},     // BP2
    {false, true, Notch1<kNotchBP>},                     // BP3
    {false, true, Notch2<kNotchBP>},                     // BP4
    {false, false, Notch1<kNotchBE>},                    // BE1
    {false, false, Notch2<kNotchBE>},                    // BE2
}};

template <std::size_t Index>
void Entry(CircuitOutput& out, DesignDocument& doc, DesignView& view, Ui& ui) {
    constexpr const EntryRecipe& recipe = kRecipes[Index];
    DialogChooser dialogs(ui);
    CandidateChooser& chooser = out.candidateChooser ? *out.candidateChooser : dialogs;
    SynthesisContext ctx{out, doc, view, ui, chooser, {}, {}};
    const bool odd = view.resultOddOrder == 1;
    if (recipe.firstOrderSection && odd) SynthesizeFirstOrderSection(ctx);
    int first = 0;
    int failed = 0;
    if (recipe.bandPassSectionFirst && odd) {
        failed = SynthesizeDualAmplifierBandPass(ctx, 0);
        first = 1;
    }
    for (int i = first; failed == 0 && i <= view.sectionLast; ++i)
        failed = recipe.sectionRoutine(ctx, i);
    if (failed != 0) {
        ui.MessageBox(TextId::SynthesisFailed, MessageButtons::Ok);
        out.synthesisFailed = 1;
    }
}

template <std::size_t... I>
constexpr std::array<SynthesisEntry, sizeof...(I)> MakeEntries(std::index_sequence<I...>) {
    return {Entry<I>...};
}

}  // namespace

const std::array<SynthesisEntry, 14> synthesisEntries = MakeEntries(std::make_index_sequence<14>());

}  // namespace vorna
