#include "dialogs/ParameterDialogTable.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "app/CKorvelDoc.h"

namespace vorna {

namespace {
using C = ApproximationCaption;
}  // namespace

const std::array<ParameterDialogSpec, 20> kParameterDialogs{{
    {500, kLowPass, false, C::Butterworth, {522, 524, 520, 523, 521}, XsLimit::None},
    {501, kLowPass, false, C::Named, {522, 524, 521, 520, 523}, XsLimit::None},
    {502, kHighPass, false, C::Butterworth, {522, 524, 521, 520, 523}, XsLimit::None},
    {503, kHighPass, false, C::Named, {522, 524, 521, 520, 523}, XsLimit::None},
    {504, kBandPass, false, C::Butterworth, {524, 528, 531, 527, 530, 523}, XsLimit::None},
    {505, kBandPass, false, C::Named, {522, 524, 528, 531, 527, 530, 523}, XsLimit::None},
    {506,
     kBandEliminate,
     false,
     C::Butterworth,
     {524, 528, 531, 527, 530, 523},
     XsLimit::ShownAndRange},
    {507,
     kBandEliminate,
     false,
     C::Named,
     {522, 524, 528, 531, 527, 530, 523},
     XsLimit::ShownAndRange},
    {508, kLowPass, true, C::Butterworth, {521, 535, 534, 523}, XsLimit::None},
    {509, kLowPass, true, C::Chebyshev, {522, 521, 535, 534, 523}, XsLimit::None},
    {510, kLowPass, true, C::Named, {522, 521, 535, 534, 523}, XsLimit::None},
    {511, kHighPass, true, C::Butterworth, {521, 535, 534, 523}, XsLimit::None},
    {512, kHighPass, true, C::Chebyshev, {522, 521, 535, 534, 523}, XsLimit::None},
    {513, kHighPass, true, C::Named, {522, 521, 535, 523, 534}, XsLimit::None},
    {514, kBandPass, true, C::Butterworth, {528, 531, 527, 530, 534, 523}, XsLimit::None},
    {515, kBandPass, true, C::Chebyshev, {522, 528, 531, 527, 530, 534, 523}, XsLimit::None},
    {516, kBandPass, true, C::Named, {522, 528, 531, 527, 530, 534, 523}, XsLimit::None},
    {517, kBandEliminate, true, C::Butterworth, {528, 531, 527, 530, 534, 523}, XsLimit::Shown},
    {518, kBandEliminate, true, C::Chebyshev, {522, 528, 531, 527, 530, 534, 523}, XsLimit::Shown},
    {519,
     kBandEliminate,
     true,
     C::Named,
     {522, 528, 531, 527, 530, 534, 523},
     XsLimit::ShownAndRange},
}};

bool ParameterDialogSpec::Has(int controlId) const {
    return std::find(exchangeOrder.begin(), exchangeOrder.end(), controlId) != exchangeOrder.end();
}

const ParameterDialogSpec& ParameterDialogSpecOf(int id) {
    for (const auto& spec : kParameterDialogs) {
        if (spec.id == id) return spec;
    }
    throw std::out_of_range("no parameter dialog " + std::to_string(id));
}

}  // namespace vorna
