#include "serial/Clock.h"

#include <chrono>
#include <thread>

void SteadyClock::sleepMs(int64_t ms) {
    if (ms <= 0)
        return;
    auto real = std::chrono::microseconds(static_cast<int64_t>(ms * 1000.0 / speedup_));
    std::this_thread::sleep_for(real);
}

int64_t SteadyClock::nowMs() const {
    using namespace std::chrono;
    auto us = duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<int64_t>(us * speedup_ / 1000.0);
}

SteadyClock& SteadyClock::instance() {
    static SteadyClock clock;
    return clock;
}
