#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace sim {

// The receiver's end of the serial line: the master side of a pseudo-terminal.
// The stand-in receiver keeps the slave open too, so the PC side can close and
// reopen its port between transfers without the line hanging up.
class PtyLine {
public:
    using KeepGoing = std::function<bool()>;

    PtyLine(bool throttle, const std::string& transcriptPath);
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // Opens the pseudo-terminal (raw, 115200 baud) and names its slave device.
    bool open(std::string& slavePath, std::string& error);
    int fd() const { return master_; }

    // What has arrived (call after poll reported input); throttled, at most a
    // few bytes at the pace of the line. Returns -1 when the line is gone.
    long receive(uint8_t* buffer, std::size_t capacity);

    // Sends every byte (paced when throttled). Returns false when keepGoing()
    // turned false or the line failed before everything was sent.
    bool send(const uint8_t* data, std::size_t count, const KeepGoing& keepGoing);

    // Waits until the PC side has read everything sent so far, at most `limit`
    // and while keepGoing() holds.
    void waitTaken(std::chrono::milliseconds limit, const KeepGoing& keepGoing);

    // The line drops: the master side closes. With deliverPending the bytes
    // already written reach the PC side first (as far as it reads them).
    void hangUp(bool deliverPending);

private:
    using TimePoint = std::chrono::steady_clock::time_point;
    void waitUntil(TimePoint when);
    TimePoint lineCatchUpFrom() const;
    void record(const uint8_t* data, std::size_t count);

    bool throttle_;
    int master_ = -1;
    int slaveKeeper_ = -1;
    std::FILE* transcript_ = nullptr;
    TimePoint started_;
    TimePoint outputFreeAt_;
    TimePoint inputFreeAt_;
};

// 115200 baud, 8N1: ten bits per byte.
constexpr double kLineBytesPerSecond = 11520.0;

} // namespace sim
