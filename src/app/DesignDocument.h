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

class DesignDocument {
public:
    DesignDocument();

    int unitFp = 2;
    int unitFp1 = 2;
    int unitFp2 = 2;
    int kind = kLowPass;
    int approximation = kButterworth;
    int byOrder = 0;
    int referenceMode = 0;
    std::array<std::string, 5> unitNames{"mHz", "Hz", "KHz", "Meg", "GHz"};
    int order = 18;
    int oddOrder = 0;
    int lastSection = 8;
    double fp = 1000;
    double fs = 1500;
    double fp1 = 1000;
    double fp2 = 3000;
    double fs1 = 2000;
    double fs2 = 4500;
    double bandwidth = 2000;
    double fc = 1000;
    double ellModulus = 0;
    double ellComplement = 0;
    double ellK = 0;
    double ellKc = 0;
    double ellSelectivity = 0;
    double attp = 3.0102999566398116;
    double rippleMemory = 0.1;
    double atts = 60;
    double attsAchieved = 60;
    double xs = 1.5;
    double xsAlt = 0;
    double omegaS = 0;
    double orderExact = 18;
    double epsP2 = 0;
    double epsS2 = 0;
    int firstEntry = 0;
    BesselNorm besselNorm = BesselNorm::Magnitude;

    // Runs the design procedure for the current kind, approximation and entry mode.
    // Returns 0 when a design was computed, 1 when the user cancelled.
    int RunDesign(Ui& ui);

    double InitialRipple();  // attp, first reset to rippleMemory when above 1 dB

    // The entries and figures as the design API takes and gives them.
    DesignSpec Spec() const;
    DesignFigures Figures() const;
    void StoreFigures(const DesignFigures& figures);
    // Takes over the figures of a design and the entries it kept (after a refusal, those the
    // dialog shows again), with the section layout of its order.
    void TakeOver(const DesignSpec& spec, EntriesKept kept, const DesignFigures& figures);

    // One design procedure: its parameter dialog, the checks, the order and the design
    // quantities. Returns 0 after a design, 1 when the user cancelled.
    int RunDesignProcedure(Ui& ui, const ParameterDialogSpec& procedure);
};

}  // namespace vorna
