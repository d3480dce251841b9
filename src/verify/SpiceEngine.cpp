#include "verify/SpiceEngine.h"

#include <ngspice/sharedspice.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <utility>

#include "platform/CLocale.h"

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

// The part of a console line that reports a failure ("Error: ...", "Warning: singular
// matrix: ..."), or nothing.
std::string FailureText(const std::string& line) {
    for (const char* mark : {"Error", "error", "Warning: singular matrix"}) {
        const std::size_t at = line.find(mark);
        if (at != std::string::npos) return line.substr(at);
    }
    return {};
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
    ngSpice_Init(&SpiceEngine::OnOutput, &IgnoreStatus, &SpiceEngine::OnExit, nullptr, nullptr,
                 nullptr, this);
}

int SpiceEngine::OnOutput(char* text, int, void* self) {
    auto* engine = static_cast<SpiceEngine*>(self);
    std::string line = text == nullptr ? "" : text;
    engine->log_ += line + "\n";
    if (engine->log_.size() > kLogLimit) engine->log_.erase(0, engine->log_.size() - kLogLimit / 2);
    constexpr std::string_view kStderr = "stderr ";
    if (line.starts_with(kStderr)) {
        line.erase(0, kStderr.size());
        const std::string failure = FailureText(line);
        if (!failure.empty() && std::find(engine->errors_.begin(), engine->errors_.end(),
                                          failure) == engine->errors_.end())
            engine->errors_.push_back(failure);
    }
    return 0;
}

int SpiceEngine::OnExit(int status, bool, bool, int, void* self) {
    auto* engine = static_cast<SpiceEngine*>(self);
    engine->stopped_ = Format("ngspice stopped with status %d", status);
    engine->log_ += engine->stopped_ + "\n";
    return 0;
}

// Errors end a run; a singular-matrix warning only when no data came (the engine may
// still have found its operating point by stepping).
bool SpiceEngine::HasErrors() const {
    return std::any_of(errors_.begin(), errors_.end(),
                       [](const std::string& e) { return !e.starts_with("Warning"); });
}

std::string SpiceEngine::TakeLog() {
    std::lock_guard lock(mutex_);
    return std::exchange(log_, {});
}

AcRun SpiceEngine::RunAc(const std::string& deck, const AcSweep& sweep, const std::string& probe) {
    std::lock_guard lock(mutex_);
    errors_.clear();
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
    auto failed = [&](const std::string& fallback) {
        std::string message;
        for (const std::string& line : errors_) message += (message.empty() ? "" : "; ") + line;
        run.error = message.empty() ? fallback : message;
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
