#pragma once

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

// Turns Ctrl+C (SIGINT), SIGTERM and SIGHUP into one call of onInterrupt, made
// on a thread of its own, so the call may do what the cancel button does
// (nothing in it has to be async-signal-safe). The signals are blocked in the
// constructing thread and in every thread started while the watch lives, so
// make it before any other thread. A second signal ends the program at once
// with exit status 130, for a run that does not wind up, after removing the
// port locks held.
class InterruptWatch {
public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    // Stops watching and restores the signal mask.
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    void watch();

    sigset_t signals_{};
    sigset_t previousMask_{};
    std::function<void()> onInterrupt_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> interrupted_{false};
    std::thread thread_;
};
