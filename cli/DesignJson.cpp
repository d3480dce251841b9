#include "DesignJson.h"

#include "app/DesignDocument.h"
#include "design/DesignResults.h"
#include "document/ResultsJson.h"

namespace vorna::cli {

nlohmann::json DesignDocumentJson(const DesignDocument& doc) {
    nlohmann::json json = {
        {"kind", doc.kind},
        {"approximation", doc.approximation},
        {"byOrder", doc.byOrder ? 1 : 0},
        {"referenceMode", doc.referenceMode},
        {"order", doc.figures.order},
        {"orderExact", doc.figures.orderExact},
        {"fp", doc.fp},
        {"fs", doc.figures.fs},
        {"fp1", doc.fp1},
        {"fp2", doc.fp2},
        {"fs1", doc.figures.fs1},
        {"fs2", doc.figures.fs2},
        {"fc", doc.figures.fc},
        {"bandwidth", doc.figures.bandwidth},
        {"attp", doc.attp},
        {"atts", doc.atts},
        {"attsAchieved", doc.figures.attsAchieved},
        {"xs", doc.xs},
        {"xsAlt", doc.figures.xsAlt},
        {"epsP2", doc.figures.epsP2},
        {"epsS2", doc.figures.epsS2},
    };
    if (doc.approximation == static_cast<int>(Approximation::Bessel))
        json["besselNorm"] = BesselNormName(doc.besselNorm);
    return json;
}

nlohmann::json DesignJson(const DesignDocument& doc, const DesignResults& results,
                          const std::vector<std::string>& messages) {
    nlohmann::json json = DesignDocumentJson(doc);
    json["results"] = DesignResultsJson(results);
    json["messages"] = messages;
    return json;
}

std::string JsonText(const nlohmann::json& json) {
    return json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace vorna::cli
