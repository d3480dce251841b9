#include "verify/ToleranceAnalysis.h"

#include <cmath>

#include "platform/CLocale.h"

namespace vorna::verify {
namespace {

std::string CheckTolerance(const char* what, double tolerance) {
    if (!std::isfinite(tolerance) || tolerance < 0 || tolerance > kMaxTolerance)
        return Format("%sの許容差は 0 から %g %% までの数値で入力して下さい", what,
                      kMaxTolerance * 100);
    return {};
}

}  // namespace

std::string CheckToleranceOptions(const ToleranceOptions& options) {
    std::string problem = CheckTolerance("抵抗", options.resistorTolerance);
    if (problem.empty()) problem = CheckTolerance("コンデンサ", options.capacitorTolerance);
    if (problem.empty() && (options.runs < 1 || options.runs > kMaxToleranceRuns))
        problem = Format("試行回数は 1 から %d までの整数で入力して下さい", kMaxToleranceRuns);
    return problem;
}

ToleranceResult RunToleranceAnalysis(const RealisedCircuit&, const ToleranceOptions&, int,
                                     const ToleranceProgress&, const std::atomic<bool>*) {
    ToleranceResult result;
    result.error = "not built yet";
    return result;
}

}  // namespace vorna::verify
