#pragma once
// One filter design: what the user chose and entered, and what the design procedures
// derived from it. Every new document describes a Butterworth low-pass of order 18 with a
// cut-off of 1 kHz.

#include <array>
#include <string>

#include "design/DesignFilter.h"
#include "design/FilterKinds.h"

namespace vorna {

class Ui;
struct ParameterDialogSpec;

// The stored ids of the kinds and approximations, as the document's int fields hold them.
inline constexpr int kLowPass = static_cast<int>(FilterKind::LowPass);
inline constexpr int kHighPass = static_cast<int>(FilterKind::HighPass);
inline constexpr int kBandPass = static_cast<int>(FilterKind::BandPass);
inline constexpr int kBandEliminate = static_cast<int>(FilterKind::BandEliminate);
inline constexpr int kButterworth = static_cast<int>(Approximation::Butterworth);
inline constexpr int kChebyshev = static_cast<int>(Approximation::Chebyshev);
inline constexpr int kInverseChebyshev = static_cast<int>(Approximation::InverseChebyshev);
inline constexpr int kElliptic = static_cast<int>(Approximation::Elliptic);
inline constexpr int kBessel = static_cast<int>(Approximation::Bessel);
inline constexpr int kLegendre = static_cast<int>(Approximation::Legendre);

// How a design procedure ended: with a design, or cancelled by the user.
enum class DesignRun { Designed, Cancelled };

class DesignDocument {
public:
    DesignDocument();

    int unitFp = 2;
    int unitFp1 = 2;
    int unitFp2 = 2;
    int kind = kLowPass;
    int approximation = kButterworth;
    bool byOrder = false;
    int referenceMode = 0;
    std::array<std::string, 5> unitNames{"mHz", "Hz", "KHz", "Meg", "GHz"};
    bool oddOrder = false;
    int lastSection = 8;
    double fp = 1000;
    double fp1 = 1000;
    double fp2 = 3000;
    double attp = 3.0102999566398116;
    double rippleMemory = 0.1;
    double atts = 60;
    double xs = 1.5;
    // What the last design derived (the order is also the by-order dialogs' entry).
    DesignFigures figures;
    // Set while the filter selection runs the design: a cancelled parameter dialog then still
    // designs from the values it shows.
    bool firstEntry = false;
    BesselNorm besselNorm = BesselNorm::Magnitude;

    // Runs the design procedure for the current kind, approximation and entry mode.
    DesignRun RunDesign(Ui& ui);

    double InitialRipple();  // attp, first reset to rippleMemory when above 1 dB

    // The entries as the design API takes them.
    DesignSpec Spec() const;
    // Takes over the figures of a design and the entries it kept (after a refusal, those the
    // dialog shows again), with the section layout of its order.
    void TakeOver(const DesignSpec& spec, EntriesKept kept, const DesignFigures& figures);

    // One design procedure: its parameter dialog, the checks, the order and the design
    // quantities.
    DesignRun RunDesignProcedure(Ui& ui, const ParameterDialogSpec& procedure);
};

}  // namespace vorna
