#include "LongRun.h"

#include <unistd.h>

#include <csignal>
#include <iostream>

#include "platform/CLocale.h"
#include "text/Texts.h"

namespace vorna::cli {
namespace {

std::atomic<bool> interrupted = false;
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) {
    interrupted.store(true);
}

struct sigaction previous {};

}  // namespace

LongRun::LongRun(std::string what) : what_(std::move(what)) {
    interrupted = false;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // The second Ctrl+C finds the default action again.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &previous);
}

LongRun::~LongRun() {
    sigaction(SIGINT, &previous, nullptr);
    if (shown_) std::cerr << "\r\033[K" << std::flush;
}

verify::Progress LongRun::Reporter() {
    if (isatty(STDERR_FILENO) == 0) return {};
    return [this](int done, int total) {
        shown_ = true;
        std::cerr << Format(Text(TextId::CliProgress), what_.c_str(), done, total,
                            static_cast<int>(100.0 * done / total))
                  << std::flush;
    };
}

const std::atomic<bool>* LongRun::Stop() const {
    return &interrupted;
}

}  // namespace vorna::cli
