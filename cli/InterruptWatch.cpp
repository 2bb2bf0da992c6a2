#include "cli/InterruptWatch.h"

#include "serial/PortLock.h"

#include <cstdlib>
#include <pthread.h>
#include <unistd.h>

namespace {
constexpr int ForcedExitStatus = 130; // as a shell reports a run ended by Ctrl+C
constexpr char ForcedExitText[] = "quelvox-cli: aborted\n";
} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
    : onInterrupt_(std::move(onInterrupt)) {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    sigaddset(&signals_, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals_, &previousMask_);
    thread_ = std::thread([this] { watch(); });
}

InterruptWatch::~InterruptWatch() {
    stopping_ = true;
    pthread_kill(thread_.native_handle(), SIGINT); // wakes sigwait
    thread_.join();
    pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void InterruptWatch::watch() {
    while (true) {
        int signal = 0;
        if (sigwait(&signals_, &signal) != 0 || stopping_.load())
            return;
        if (interrupted_.exchange(true)) {
            // _Exit skips the port's close; its lock file must not outlive us.
            PortLock::removeHeldLocksNow();
            [[maybe_unused]] auto written =
                ::write(STDERR_FILENO, ForcedExitText, sizeof ForcedExitText - 1);
            std::_Exit(ForcedExitStatus);
        }
        onInterrupt_();
    }
}
