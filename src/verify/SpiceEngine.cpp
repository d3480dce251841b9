#include "verify/SpiceEngine.h"

#include <ngspice/sharedspice.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

#include "platform/CLocale.h"
#include "verify/SpiceStartup.h"

namespace vorna::verify {
namespace {

// The log keeps the latest console output when nobody takes it.
constexpr std::size_t kLogLimit = std::size_t{1} << 20;

int IgnoreStatus(char*, int, void*) {
    return 0;
}

int Command(const std::string& command) {
    std::string text = command;
    return ngSpice_Command(text.data());
}

// The engine's complaints of one run kept for its failure message: so many lines, each cut
// to so many bytes.
constexpr std::size_t kComplaintLines = 8;
constexpr std::size_t kComplaintLength = 200;

// Whether a line of the engine's error output reports a failure ("Error on line 4 ...",
// "Error: ..."), rather than a warning or a line that only shows what failed.
bool IsFailure(const std::string& line) {
    return line.find("Error") != std::string::npos || line.find("error") != std::string::npos;
}

// A vector of the plot as complex numbers; empty when there is none.
std::vector<std::complex<double>> Vector(const std::string& plot, const std::string& name) {
    std::vector<std::complex<double>> values;
    if (!plot.starts_with("ac")) return values;
    std::string fullName = plot + "." + name;
    const pvector_info info = ngGet_Vec_Info(fullName.data());
    if (info == nullptr) return values;
    for (int i = 0; i < info->v_length; ++i) {
        if (info->v_compdata != nullptr)
            values.emplace_back(info->v_compdata[i].cx_real, info->v_compdata[i].cx_imag);
        else if (info->v_realdata != nullptr)
            values.emplace_back(info->v_realdata[i], 0.0);
    }
    return values;
}

std::vector<std::string> DeckLines(const std::string& deck) {
    std::vector<std::string> lines;
    std::istringstream in(deck);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    lines.push_back(".end");
    return lines;
}

}  // namespace

SpiceEngine& SpiceEngine::Instance() {
    static SpiceEngine engine;
    return engine;
}

SpiceEngine::SpiceEngine() {
    const std::string problem = StartWithoutStartupFiles([this] {
        ngSpice_Init(&SpiceEngine::OnOutput, &IgnoreStatus, &SpiceEngine::OnExit, nullptr, nullptr,
                     nullptr, this);
    });
    if (!problem.empty()) stopped_ = "ngspice was not started: " + problem;
}

int SpiceEngine::OnOutput(char* text, int, void* self) {
    auto* engine = static_cast<SpiceEngine*>(self);
    std::string line = text == nullptr ? "" : text;
    engine->log_ += line + "\n";
    if (engine->log_.size() > kLogLimit) engine->log_.erase(0, engine->log_.size() - kLogLimit / 2);
    constexpr std::string_view kStderr = "stderr ";
    if (line.starts_with(kStderr)) {
        line.erase(0, kStderr.size());
        const std::size_t first = line.find_first_not_of(' ');
        line = first == std::string::npos ? "" : line.substr(first, kComplaintLength);
        std::vector<std::string>& complaints = engine->complaints_;
        // A line repeated at once (the same warning of every step) is kept once.
        if (!line.empty() && complaints.size() < kComplaintLines &&
            (complaints.empty() || complaints.back() != line))
            complaints.push_back(line);
    }
    return 0;
}

int SpiceEngine::OnExit(int status, bool, bool, int, void* self) {
    auto* engine = static_cast<SpiceEngine*>(self);
    engine->stopped_ = Format("ngspice stopped with status %d", status);
    engine->log_ += engine->stopped_ + "\n";
    return 0;
}

// Errors end a run; warnings (a singular matrix among them) only when no data came: the
// engine may still have found its operating point by stepping.
bool SpiceEngine::HasErrors() const {
    return std::any_of(complaints_.begin(), complaints_.end(), IsFailure);
}

std::string SpiceEngine::TakeLog() {
    std::lock_guard lock(mutex_);
    return std::exchange(log_, {});
}

AcRun SpiceEngine::RunAc(const std::string& deck, const AcSweep& sweep, const std::string& probe) {
    std::lock_guard lock(mutex_);
    complaints_.clear();
    AcRun run = RunLocked(deck, sweep, probe);
    Command("destroy all");
    Command("remcirc");
    return run;
}

AcRun SpiceEngine::RunLocked(const std::string& deck, const AcSweep& sweep,
                             const std::string& probe) {
    AcRun run;
    if (!stopped_.empty()) {
        run.error = stopped_;
        return run;
    }
    if (!(sweep.startHz > 0) || !(sweep.stopHz >= sweep.startHz) || sweep.pointsPerDecade < 1 ||
        !std::isfinite(sweep.stopHz)) {
        run.error = "the AC sweep needs 0 < start <= stop and at least one point a decade";
        return run;
    }
    std::vector<std::string> lines = DeckLines(deck);
    std::vector<char*> pointers;
    for (std::string& line : lines) pointers.push_back(line.data());
    pointers.push_back(nullptr);
    // What failed, then what the engine said about it.
    auto failed = [&](const std::string& what) {
        run.error = what;
        for (std::size_t i = 0; i < complaints_.size(); ++i)
            run.error += (i == 0 ? ": " : run.error.back() == ':' ? " " : "; ") + complaints_[i];
        run.points.clear();
        return run;
    };
    if (ngSpice_Circ(pointers.data()) != 0 || HasErrors())
        return failed("ngspice could not load the netlist");
    Command(Format("ac dec %d %.17g %.17g", sweep.pointsPerDecade, sweep.startHz, sweep.stopHz));
    if (!stopped_.empty()) return failed(stopped_);

    // ngGet_Vec_Info hands back the same buffer every time: each vector is copied at once.
    const std::string plot = ngSpice_CurPlot() == nullptr ? "" : ngSpice_CurPlot();
    const std::vector<std::complex<double>> frequency = Vector(plot, "frequency");
    const std::vector<std::complex<double>> voltage = Vector(plot, probe);
    const bool hasData = !voltage.empty() && voltage.size() == frequency.size();
    if (!hasData || HasErrors()) return failed("the AC analysis gave no data for the net " + probe);
    for (std::size_t i = 0; i < voltage.size(); ++i)
        run.points.push_back({frequency[i].real(), voltage[i]});
    return run;
}

}  // namespace vorna::verify
