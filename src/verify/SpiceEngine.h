#pragma once
// AC analysis with ngspice's shared library, in process. The library keeps one circuit
// database per process, so every use goes through the one SpiceEngine, one caller at a
// time. The engine's console output is collected in a log instead of reaching the terminal;
// a failed analysis (a singular matrix, an unknown model, a deck it cannot read) comes back
// as a message.

#include <complex>
#include <mutex>
#include <string>
#include <vector>

namespace vorna::verify {

// A logarithmic sweep from startHz to stopHz with pointsPerDecade points a decade.
struct AcSweep {
    double startHz = 0;
    double stopHz = 0;
    int pointsPerDecade = 0;
};

struct AcPoint {
    double hz = 0;
    std::complex<double> v;  // the probed net's voltage
};

struct AcRun {
    std::vector<AcPoint> points;
    std::string error;  // empty when the analysis ran
    bool Succeeded() const { return error.empty(); }
};

class SpiceEngine {
public:
    static SpiceEngine& Instance();
    SpiceEngine(const SpiceEngine&) = delete;
    SpiceEngine& operator=(const SpiceEngine&) = delete;

    // Loads `deck` (a netlist without analyses and without ".end"), runs the AC sweep and
    // returns the voltage of the net `probe`. The circuit is removed again afterwards.
    AcRun RunAc(const std::string& deck, const AcSweep& sweep, const std::string& probe = "out");

    // The console output collected since the last call (its latest megabyte at most), and
    // forgets it.
    std::string TakeLog();

private:
    SpiceEngine();
    AcRun RunLocked(const std::string& deck, const AcSweep& sweep, const std::string& probe);
    bool HasErrors() const;
    static int OnOutput(char* text, int id, void* self);
    static int OnExit(int status, bool immediate, bool quit, int id, void* self);

    std::mutex mutex_;
    std::string log_;
    std::vector<std::string> complaints_;  // the engine's error output of the current run
    std::string stopped_;                  // why the library stopped working, when it did
};

}  // namespace vorna::verify
