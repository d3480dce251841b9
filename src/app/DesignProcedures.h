#pragma once
// The twenty design procedures, one per parameter dialog, and the dispatcher's 24 slots.
// Every procedure runs the same loop (fill the dialog from the document, show it, check,
// store, compute the order, check the order) and differs only by what its row says and by
// the filter kind, entry mode and approximation of its dialog.

#include <array>

namespace vorna {

// How a procedure handles the pass-band attenuation.
enum class AttpEntry {
    ShownThreeDecibels,   // shown as 10·log10 2 every time, whatever the document holds
    HiddenThreeDecibels,  // not in the dialog; attp becomes 10·log10 2
    Ripple,               // shown as InitialRipple(); also remembered in rippleMemory
};

struct DesignProcedure {
    int dialogId;
    AttpEntry attp;
    // Band-eliminate: Xs must stay below √(Fp2/Fp1) of the new band edges (refused silently).
    bool checksXsLimit;
};

inline constexpr double kThreeDecibels = 3.0102999566398116;  // 10·log10 2

inline constexpr std::array<DesignProcedure, 20> kDesignProcedures{{
    {500, AttpEntry::ShownThreeDecibels, false},
    {501, AttpEntry::Ripple, false},
    {502, AttpEntry::ShownThreeDecibels, false},
    {503, AttpEntry::Ripple, false},
    {504, AttpEntry::HiddenThreeDecibels, false},
    {505, AttpEntry::Ripple, false},
    {506, AttpEntry::HiddenThreeDecibels, true},
    {507, AttpEntry::Ripple, true},
    {508, AttpEntry::HiddenThreeDecibels, false},
    {509, AttpEntry::Ripple, false},
    {510, AttpEntry::Ripple, false},
    {511, AttpEntry::HiddenThreeDecibels, false},
    {512, AttpEntry::Ripple, false},
    {513, AttpEntry::Ripple, false},
    {514, AttpEntry::HiddenThreeDecibels, false},
    {515, AttpEntry::Ripple, false},
    {516, AttpEntry::Ripple, false},
    {517, AttpEntry::HiddenThreeDecibels, false},
    {518, AttpEntry::Ripple, false},
    {519, AttpEntry::Ripple, true},
}};

// The dispatcher's slots, by (kind - 101) * 6 + 2 * group + byOrder: the dialog id of the
// procedure in each slot. Group 2 exists only in order mode, so slots 4, 10, 16 and 22
// repeat the design-from-edges procedure of slots 2, 8, 14 and 20.
inline constexpr std::array<int, 24> kDesignProcedureSlots{
    500, 508, 501, 509, 501, 510,  // low-pass
    502, 511, 503, 512, 503, 513,  // high-pass
    504, 514, 505, 515, 505, 516,  // band-pass
    506, 517, 507, 518, 507, 519,  // band-eliminate
};

const DesignProcedure& DesignProcedureOf(int dialogId);

}  // namespace vorna
