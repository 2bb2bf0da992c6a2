#include "serial/TerminalCommandBuffer.h"

bool TerminalCommandBuffer::append(char c) {
    if (c == 0)
        return false;
    {
        std::lock_guard lock(mutex_);
        if (chars_.size() >= MaxChars)
            return false;
        chars_.push_back(c);
    }
    changed_.notify_all();
    return true;
}

bool TerminalCommandBuffer::empty() const {
    std::lock_guard lock(mutex_);
    return chars_.empty();
}

std::string TerminalCommandBuffer::contents() const {
    std::lock_guard lock(mutex_);
    return chars_;
}

std::optional<std::string> TerminalCommandBuffer::takeLine() {
    std::lock_guard lock(mutex_);
    const auto end = chars_.find(CarriageReturn);
    if (end == std::string::npos)
        return std::nullopt;
    std::string line = chars_.substr(0, end + 1);
    chars_.erase(0, end + 1);
    return line;
}

void TerminalCommandBuffer::waitForLine(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [this] {
        return wakeRequested_ || chars_.find(CarriageReturn) != std::string::npos;
    });
    wakeRequested_ = false;
}

void TerminalCommandBuffer::wake() {
    {
        std::lock_guard lock(mutex_);
        wakeRequested_ = true;
    }
    changed_.notify_all();
}
