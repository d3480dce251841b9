#include "analysis/CoefficientExport.h"

namespace vorna::analysis {

std::string CoefficientsCsv(const Cascade&) {
    return {};
}
std::string CoefficientsJson(const Cascade&) {
    return {};
}
std::string CoefficientsCHeader(const Cascade&) {
    return {};
}
std::string CoefficientsText(const Cascade& cascade, CoefficientFormat format) {
    switch (format) {
        case CoefficientFormat::Csv:
            return CoefficientsCsv(cascade);
        case CoefficientFormat::Json:
            return CoefficientsJson(cascade);
        case CoefficientFormat::CHeader:
            return CoefficientsCHeader(cascade);
    }
    return {};
}

}  // namespace vorna::analysis
