#pragma once
// A design made from Python: the document and view a design window holds, designed through
// the design API with the entries given as keywords (the others as the parameter dialog
// proposes them, as vorna-cli takes its options), and its digital filter.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Cascade.h"
#include "app/DesignDocument.h"
#include "design/DesignResults.h"
#include "document/DesignSettings.h"
#include "view/DesignView.h"

namespace vorna::python {

// The keywords of vorna.design; an entry left out keeps what the dialog proposes.
struct DesignRequest {
    std::string kind = "lp";
    std::string approximation = "butterworth";
    bool byOrder = false;
    std::optional<int> order;
    std::optional<double> fp, fc, fp1, fp2, attp, atts, xs;
    std::optional<int> reference;
    std::optional<std::string> besselNorm;  // "mag", "delay" or "phase"; Bessel designs only
};

struct DesignWindow {
    DesignDocument doc;
    DesignView view{doc};
};

class PythonDesign {
public:
    // Throws DesignFailure for a refused entry or design, std::invalid_argument for a keyword
    // the design has no entry for or a name that names nothing.
    explicit PythonDesign(const DesignRequest& request);
    // The design of a design file; throws FileFailure naming the file and its problem.
    static std::unique_ptr<PythonDesign> Load(const std::string& path);

    const DesignDocument& Document() const { return window_->doc; }
    const DesignView& View() const { return window_->view; }
    analysis::Cascade AnalogCascade() const;
    // The messages of the notices the design gave, in order.
    const std::vector<std::string>& Notices() const { return notices_; }
    // The sampling frequency of a design file that held a digital filter.
    std::optional<double> FileSamplingFrequency() const { return fileSampling_; }

    // A new window with the same design, made as this one was, for a run that changes its
    // window (a circuit).
    std::unique_ptr<DesignWindow> Copy() const;

    // Throws FileFailure.
    void Save(const std::string& path) const;

private:
    PythonDesign() = default;

    std::unique_ptr<DesignWindow> window_ = std::make_unique<DesignWindow>();
    std::vector<std::string> notices_;
    std::optional<double> fileSampling_;
    // How the design was made: from keywords, or from a design file's settings.
    std::optional<DesignRequest> request_;
    std::optional<DesignSettings> settings_;
};

// The digital filter of a design at a sampling frequency.
class PythonDigitalDesign {
public:
    // Throws DesignFailure when the sampling frequency is refused.
    PythonDigitalDesign(const PythonDesign& design, double samplingFrequency);

    double SamplingFrequency() const { return samplingFrequency_; }
    analysis::Cascade DigitalCascade() const;

private:
    DesignResults results_;
    int kind_ = 0;
    double samplingFrequency_ = 0;
};

// The names the module takes and gives.
std::string KindName(int kind);
std::string ApproximationName(int approximation);
std::vector<std::string> KindNames();
std::vector<std::string> ApproximationNames();

}  // namespace vorna::python
