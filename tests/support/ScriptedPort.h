#pragma once

#include "serial/Clock.h"
#include "serial/CommError.h"
#include "serial/Port.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// A Port that plays a receiver from a script, in virtual time. Each Read takes
// the next event: a chunk of bytes (returned after a 15 ms gap), a silence
// (0 after capacity x 1 ms + 250 ms) or an error code (thrown as ECommError).
// With the script used up every Read is a silence. Every write is recorded
// with the virtual time it happened at. Responders queue further events when
// the written bytes end with a trigger text, e.g. a menu after "400\r\n".
class ScriptedPort : public Port {
public:
    struct Event {
        enum class Kind { Chunk, Silence, Error };
        Kind kind;
        std::string bytes; // Chunk
        uint8_t code = 0;  // Error
    };
    static Event chunk(std::string bytes) { return {Event::Kind::Chunk, std::move(bytes)}; }
    static Event silence() { return {Event::Kind::Silence, {}}; }
    static Event error(uint8_t code) { return {Event::Kind::Error, {}, code}; }

    enum class WriteKind { Write, Paced, Byte };
    struct WriteRecord {
        WriteKind kind;
        std::string bytes;
        int64_t timeMs;
    };

    static constexpr int64_t BurstGapMs = 15;
    static constexpr int64_t SilenceConstantMs = 250;

    explicit ScriptedPort(VirtualClock& clock) : clock_(clock) {}

    void queue(Event event);
    void queue(std::vector<Event> events);
    // Once the written stream ends with trigger, queue the events (each time).
    void respondTo(std::string trigger, std::vector<Event> events);
    // Called after every write with everything written so far.
    void setResponder(std::function<void(ScriptedPort&, const std::string&)> responder);
    // Called at the start of every Read (e.g. to yield in threaded tests).
    void setOnRead(std::function<void()> onRead);
    // A write fails with this code (0: writes succeed).
    void failWritesWith(uint8_t code);
    void setOpen(bool open);

    bool IsOpen() const override;
    void Write(const uint8_t* data, int32_t count) override;
    void WritePaced(const uint8_t* data, uint32_t count, uint32_t delayMs) override;
    void WriteByte(uint8_t byte) override;
    uint32_t Read(uint8_t* buffer, uint32_t capacity) override;
    void Flush() override;
    void interruptRead() override;

    std::vector<WriteRecord> writes() const;
    std::string written() const; // all written bytes in order
    size_t readCount() const;
    size_t flushCount() const;
    size_t interruptCount() const;
    size_t pendingEvents() const;

private:
    void record(WriteKind kind, std::string bytes);
    void requireOpen() const;

    VirtualClock& clock_;
    mutable std::mutex mutex_;
    std::deque<Event> script_;
    struct Rule {
        std::string trigger;
        std::vector<Event> events;
    };
    std::vector<Rule> rules_;
    std::function<void(ScriptedPort&, const std::string&)> responder_;
    std::function<void()> onRead_;
    std::vector<WriteRecord> writes_;
    std::string written_;
    uint8_t writeFailure_ = 0;
    bool open_ = true;
    size_t reads_ = 0;
    size_t flushes_ = 0;
    size_t interrupts_ = 0;
};
