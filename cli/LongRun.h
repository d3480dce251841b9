#pragma once
// What a long computation of a verb shows and hears on a terminal: its progress on standard
// error, rewritten in place (nothing when standard error is not a terminal), and Ctrl+C, which
// asks it to stop (a second Ctrl+C ends the program at once).

#include <atomic>
#include <string>

#include "verify/Progress.h"

namespace vorna::cli {

class LongRun {
public:
    // `what` names the computation ("tolerance analysis runs").
    explicit LongRun(std::string what);
    ~LongRun();
    LongRun(const LongRun&) = delete;
    LongRun& operator=(const LongRun&) = delete;

    // Shows the steps done on the terminal, if standard error is one.
    verify::Progress Reporter();
    // Set once Ctrl+C was pressed.
    const std::atomic<bool>* Stop() const;

private:
    std::string what_;
    bool shown_ = false;
};

}  // namespace vorna::cli
