#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <string>

// The characters the user typed while the terminal is online, in typing order.
// The GUI thread appends, the terminal worker takes complete lines out; both
// under one lock, so a character typed while a line is being sent is kept for
// the next line and never half-written.
class TerminalCommandBuffer {
public:
    static constexpr size_t Size = 1024;         // bytes, terminating zero included
    static constexpr size_t MaxChars = Size - 1; // characters beyond are dropped
    static constexpr char CarriageReturn = 13;

    // Appends one character; false when it was dropped (buffer full, or a zero
    // byte, which cannot be held in a zero-terminated buffer).
    bool append(char c);
    bool empty() const;
    std::string contents() const;

    // When the buffer holds a carriage return: removes the text up to and
    // including the first one and returns it. Characters typed after it stay
    // for the next line.
    std::optional<std::string> takeLine();

    // Blocks until the buffer holds a complete line, wake() was called, or the
    // time-out passed. Used by the worker instead of re-checking in a loop.
    void waitForLine(std::chrono::milliseconds timeout);
    void wake();

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::string chars_;
    bool wakeRequested_ = false;
};
