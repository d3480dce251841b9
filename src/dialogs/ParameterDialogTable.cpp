#include "dialogs/ParameterDialogTable.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "design/Approximations.h"

namespace vorna {

namespace {
using A = AttpEntry;
using C = ApproximationCaption;
using X = XsLimit;
constexpr FilterKind LP = FilterKind::LowPass;
constexpr FilterKind HP = FilterKind::HighPass;
constexpr FilterKind BP = FilterKind::BandPass;
constexpr FilterKind BE = FilterKind::BandEliminate;
}  // namespace

const std::array<ParameterDialogSpec, 20> kParameterDialogs{{
    {500, LP, false, C::Butterworth, A::Shown3dB, {522, 524, 520, 523, 521}, X::None},
    {501, LP, false, C::Named, A::Ripple, {522, 524, 521, 520, 523}, X::None},
    {502, HP, false, C::Butterworth, A::Shown3dB, {522, 524, 521, 520, 523}, X::None},
    {503, HP, false, C::Named, A::Ripple, {522, 524, 521, 520, 523}, X::None},
    {504, BP, false, C::Butterworth, A::Hidden3dB, {524, 528, 531, 527, 530, 523}, X::None},
    {505, BP, false, C::Named, A::Ripple, {522, 524, 528, 531, 527, 530, 523}, X::None},
    {506, BE, false, C::Butterworth, A::Hidden3dB, {524, 528, 531, 527, 530, 523}, X::Bounds},
    {507, BE, false, C::Named, A::Ripple, {522, 524, 528, 531, 527, 530, 523}, X::Bounds},
    {508, LP, true, C::Butterworth, A::Hidden3dB, {521, 535, 534, 523}, X::None},
    {509, LP, true, C::Chebyshev, A::Ripple, {522, 521, 535, 534, 523}, X::None},
    {510, LP, true, C::Named, A::Ripple, {522, 521, 535, 534, 523}, X::None},
    {511, HP, true, C::Butterworth, A::Hidden3dB, {521, 535, 534, 523}, X::None},
    {512, HP, true, C::Chebyshev, A::Ripple, {522, 521, 535, 534, 523}, X::None},
    {513, HP, true, C::Named, A::Ripple, {522, 521, 535, 523, 534}, X::None},
    {514, BP, true, C::Butterworth, A::Hidden3dB, {528, 531, 527, 530, 534, 523}, X::None},
    {515, BP, true, C::Chebyshev, A::Ripple, {522, 528, 531, 527, 530, 534, 523}, X::None},
    {516, BP, true, C::Named, A::Ripple, {522, 528, 531, 527, 530, 534, 523}, X::None},
    {517, BE, true, C::Butterworth, A::Hidden3dB, {528, 531, 527, 530, 534, 523}, X::Shown},
    {518, BE, true, C::Chebyshev, A::Ripple, {522, 528, 531, 527, 530, 534, 523}, X::Shown},
    {519, BE, true, C::Named, A::Ripple, {522, 528, 531, 527, 530, 534, 523}, X::Bounds},
}};

bool ParameterDialogSpec::Has(int controlId) const {
    return std::find(exchangeOrder.begin(), exchangeOrder.end(), controlId) != exchangeOrder.end();
}

namespace {

ApproximationCaption CaptionOf(OrderDialogs dialogs) {
    switch (dialogs) {
        case OrderDialogs::Butterworth:
            return ApproximationCaption::Butterworth;
        case OrderDialogs::Chebyshev:
            return ApproximationCaption::Chebyshev;
        case OrderDialogs::Named:
            break;
    }
    return ApproximationCaption::Named;
}

}  // namespace

bool ParameterDialogSpec::Serves(Approximation approximation) const {
    const ApproximationRow& row = ApproximationRowOf(approximation);
    if (byOrder) return caption == CaptionOf(row.orderDialogs);
    return caption == (row.passband == PassbandEntry::ThreeDecibels
                           ? ApproximationCaption::Butterworth
                           : ApproximationCaption::Named);
}

const ParameterDialogSpec& DesignProcedureFor(FilterKind kind, Approximation approximation,
                                              bool byOrder) {
    for (const auto& spec : kParameterDialogs) {
        if (spec.kind == kind && spec.byOrder == byOrder && spec.Serves(approximation)) return spec;
    }
    throw std::logic_error("no design procedure for a kind and approximation");
}

const ParameterDialogSpec& ParameterDialogSpecOf(int id) {
    for (const auto& spec : kParameterDialogs) {
        if (spec.id == id) return spec;
    }
    throw std::out_of_range("no parameter dialog " + std::to_string(id));
}

}  // namespace vorna
