#include "VerificationRun.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <array>
#include <atomic>
#include <thread>

#include "text/Texts.h"
#include "verify/SpiceEngine.h"

namespace vorna {
namespace {

constexpr int kProgressPollMs = 50;
constexpr int kProgressDelayMs = 500;

enum class Stage { Simulation, Sections, Tolerance };

QString StageLabel(Stage stage) {
    constexpr std::array<TextId, 3> labels = {
        TextId::ProgressSimulation,
        TextId::ProgressSections,
        TextId::ProgressTolerance,
    };
    return QString::fromUtf8(Text(labels[static_cast<std::size_t>(stage)]));
}

// What the worker has got to, read by the progress dialog's timer.
struct WorkerState {
    std::atomic<Stage> stage = Stage::Simulation;
    std::atomic<int> done = 0;
    std::atomic<int> total = 0;  // 0 while unknown: the bar shows that it is busy
    std::atomic<bool> cancel = false;
    std::atomic<bool> finished = false;

    void Enter(Stage next) {
        total = 0;
        done = 0;
        stage = next;
    }
    verify::Progress Reporter() {
        return [this](int doneNow, int totalNow) {
            total = totalNow;
            done = doneNow;
        };
    }
};

void Work(WorkerState& state, const verify::RealisedCircuit& circuit,
          const VerificationOptions& options, int pointsPerDecade, VerificationResults& results) {
    results.simulation = verify::SimulateCircuit(circuit, options.gbwHz, pointsPerDecade);
    if (state.cancel) return;
    state.Enter(Stage::Sections);
    results.requirements = verify::FindSectionRequirements(circuit, options.gbwHz, pointsPerDecade,
                                                           state.Reporter(), &state.cancel);
    if (state.cancel || options.tolerance.runs <= 0) return;
    state.Enter(Stage::Tolerance);
    results.tolerance = verify::RunToleranceAnalysis(circuit, options.tolerance, pointsPerDecade,
                                                     state.Reporter(), &state.cancel);
}

}  // namespace

std::optional<VerificationResults> RunVerification(QWidget* parent,
                                                   const verify::RealisedCircuit& circuit,
                                                   const VerificationOptions& options,
                                                   int pointsPerDecade) {
    WorkerState state;
    VerificationResults results;
    QProgressDialog progress(StageLabel(Stage::Simulation),
                             QString::fromUtf8(Text(TextId::ProgressCancel)), 0, 0, parent);
    progress.setObjectName(QStringLiteral("verificationProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoReset(false);
    // The engine is started here, not on the worker: its start changes the current folder
    // and the environment for a moment (verify/SpiceStartup.h).
    verify::SpiceEngine::Instance();
    std::thread worker([&] {
        Work(state, circuit, options, pointsPerDecade, results);
        state.finished = true;
    });
    QEventLoop loop;
    QTimer poll;
    Stage shown = Stage::Simulation;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (state.finished) loop.quit();
        if (progress.wasCanceled()) {
            state.cancel = true;
            return;
        }
        if (state.stage != shown) {
            shown = state.stage;
            progress.setLabelText(StageLabel(shown));
        }
        progress.setMaximum(state.total);
        progress.setValue(state.done);
    });
    poll.start(kProgressPollMs);
    loop.exec();
    worker.join();
    if (state.cancel) return std::nullopt;
    return results;
}

}  // namespace vorna
