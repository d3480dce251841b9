#pragma once
// One filter design: what the user chose and entered, and what the design procedures
// derived from it. Every new document describes a Butterworth low-pass of order 18 with a
// cut-off of 1 kHz.

#include <array>
#include <string>

#include "design/EllipticFunctions.h"
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

class CKorvelDoc {
public:
    CKorvelDoc();

    int unitFp = 2;
    int unitFp1 = 2;
    int unitFp2 = 2;
    int kind = kLowPass;
    int approximation = kButterworth;
    int byOrder = 0;
    int referenceMode = 0;
    std::array<std::string, 4> approximationNames{"Butterworth", "Chebyshev", "Inv. Cheb",
                                                  "Elliptic"};
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

    // Runs the design procedure for the current kind, approximation and entry mode.
    // Returns 0 when a design was computed, 1 when the user cancelled.
    int RunDesign(Ui& ui);

    // Operations shared by the design procedures.
    void ComputeEpsilons();              // epsP2, epsS2 from attp, atts
    void StopbandEpsilonFromAchieved();  // epsS2 from attsAchieved
    double InitialRipple();              // attp, first reset to rippleMemory when above 1 dB
    void EvaluateStopband(Ui& ui);       // stop-band edges, omegaS, attsAchieved
    void EvaluateInverseChebyshev(Ui& ui);
    void SetBandCentre();      // order from orderExact, centre, pass-band width
    void SetBandCentreStop();  // the same with the stop-band width
    // The elliptic steps for a stop-band ratio (xs, or the band ratio of a band filter); each
    // keeps the modulus of that ratio and the selectivity it computed in the ell* fields.
    void EllipticOrder(double ratio);  // closed-form order and orderExact
    // Smallest order from `start` reaching `required` dB: order, orderExact, attsAchieved.
    void SearchEllipticOrder(double ratio, int start, double required);
    double EllipticAttenuation(double ratio);  // of the current order
    void KeepElliptic(const EllipticModulus& modulus, double selectivity);
    // The normalised stop-band edge of a band-pass or band-eliminate prototype.
    double BandRatio() const;
    // Order limits: 1 (after the message) when the order must be entered again; an order
    // below the limit is raised to it with a message.
    int CheckOrder(Ui& ui, int& m);
    int CheckBandEdges(Ui& ui);  // 1 with a message when fp2 <= fp1
    int CheckAttenuations(Ui& ui, double attpEntered, double attsEntered);

    // One design procedure: its parameter dialog, the checks, the order and the design
    // quantities. Returns 0 after a design, 1 when the user cancelled.
    int RunDesignProcedure(Ui& ui, const ParameterDialogSpec& procedure);
};

}  // namespace vorna
