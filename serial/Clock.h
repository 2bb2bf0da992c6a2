#pragma once

#include <atomic>
#include <cstdint>

// Every pause and time-out of the receiver dialogue goes through a Clock, so
// tests can run a 127-second give-up in virtual time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleepMs(int64_t ms) = 0;
    // Monotonic milliseconds since an arbitrary origin.
    virtual int64_t nowMs() const = 0;
};

// Wall-clock time: really sleeps. Optionally compressed (speedup > 1) for
// integration tests that run the real protocols against the stand-in receiver.
class SteadyClock : public Clock {
public:
    explicit SteadyClock(double speedup = 1.0) : speedup_(speedup) {}
    void sleepMs(int64_t ms) override;
    int64_t nowMs() const override;

    // The process-wide real clock used by the program.
    static SteadyClock& instance();

private:
    double speedup_;
};

// Virtual time: sleeping only advances the counter.
class VirtualClock : public Clock {
public:
    void sleepMs(int64_t ms) override { now_ += ms; }
    int64_t nowMs() const override { return now_; }
    void advance(int64_t ms) { now_ += ms; }

private:
    std::atomic<int64_t> now_{0};
};
