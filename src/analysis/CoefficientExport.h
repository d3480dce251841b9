#pragma once
// The coefficients of a cascade at full precision (17 significant digits, whatever the
// process locale), one row per section with the first-order section first:
//   analog:  section,n2,n1,n0,d2,d1,d0   (coefficients of s^2, s and 1)
//   digital: section,b0,b1,b2,a0,a1,a2,fs_hz   (coefficients of 1, z^-1 and z^-2, and the
//            sampling frequency in Hz, the same on every row)
// A first-order section has zero second-order coefficients. The numbers are exactly the
// section values of the design, which must all be finite (see AllFinite).

#include <string>
#include <string_view>

#include "analysis/Cascade.h"

namespace vorna::analysis {

enum class CoefficientFormat { Csv, Json, CHeader };

// The name a C header gives its coefficients when none is chosen.
inline constexpr std::string_view kDefaultCName = "sos";

// Whether `name` can name a C header's coefficients: a letter, then letters, digits and
// underscores, 63 characters at most (what every C compiler tells apart), and no keyword of C.
bool IsUsableCName(std::string_view name);

std::string CoefficientsCsv(const Cascade& cascade);
// {"domain": "analog"|"digital", "samplingPeriod" (digital only), "columns": [...],
//  "sections": [[...], ...]} with the CSV's rows.
std::string CoefficientsJson(const Cascade& cascade);
// A header a C program includes as it is, for a usable `name` (here "sos"): `SOS_SECTIONS`,
// `double sos[N][6]` in the CSV's column order and `sos_gain`, the factor applied before the
// first section (1: the sections carry the filter's gain), guarded by `VORNA_SOS_H`; headers
// of different names can be included together.
std::string CoefficientsCHeader(const Cascade& cascade, std::string_view name = kDefaultCName);

// `cName` names the C header's coefficients; the other formats do not use it.
std::string CoefficientsText(const Cascade& cascade, CoefficientFormat format,
                             std::string_view cName = kDefaultCName);

}  // namespace vorna::analysis
