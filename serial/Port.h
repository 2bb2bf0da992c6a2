#pragma once

#include <cstdint>

// What a worker may do with an open serial line. TCommPort implements it over
// termios; tests use a scripted port. Every failure throws ECommError with the
// codes of CommError.h (7 not open, 9 write, 10 read, 13 flush).
class Port {
public:
    virtual ~Port() = default;

    virtual bool IsOpen() const = 0;
    // One write of all bytes; a count of 0 or a null pointer writes nothing.
    virtual void Write(const uint8_t* data, int32_t count) = 0;
    // Each byte on its own: write, Flush, then a pause of delayMs (if above 0).
    virtual void WritePaced(const uint8_t* data, uint32_t count, uint32_t delayMs) = 0;
    virtual void WriteByte(uint8_t byte) = 0;
    // Up to capacity bytes. Returns as soon as the capacity is filled, 15 ms
    // after the last byte of a burst, or with 0 after capacity x 1 ms + 250 ms
    // of silence. When fewer than capacity bytes arrived a zero byte is stored
    // after the last one, so the buffer needs capacity + 1 bytes.
    virtual uint32_t Read(uint8_t* buffer, uint32_t capacity) = 0;
    virtual void Flush() = 0;

    // May be called from any thread: ends a Read that is waiting right now (it
    // returns what has arrived so far, possibly 0) or else the next one. The
    // online terminal uses it so a typed line goes out at once instead of after
    // a read time-out. Ports without such a wake-up simply ignore it.
    virtual void interruptRead() {}
};
