#include "tests/support/ScriptedPort.h"

#include "serial/CommError.h"

#include <cerrno>
#include <cstring>

void ScriptedPort::queue(Event event) {
    std::lock_guard lock(mutex_);
    script_.push_back(std::move(event));
}

void ScriptedPort::queue(std::vector<Event> events) {
    std::lock_guard lock(mutex_);
    for (auto& event : events)
        script_.push_back(std::move(event));
}

void ScriptedPort::respondTo(std::string trigger, std::vector<Event> events) {
    std::lock_guard lock(mutex_);
    rules_.push_back({std::move(trigger), std::move(events)});
}

void ScriptedPort::setResponder(std::function<void(ScriptedPort&, const std::string&)> responder) {
    std::lock_guard lock(mutex_);
    responder_ = std::move(responder);
}

void ScriptedPort::setOnRead(std::function<void()> onRead) {
    std::lock_guard lock(mutex_);
    onRead_ = std::move(onRead);
}

void ScriptedPort::failWritesWith(uint8_t code) {
    std::lock_guard lock(mutex_);
    writeFailure_ = code;
}

void ScriptedPort::setOpen(bool open) {
    std::lock_guard lock(mutex_);
    open_ = open;
}

bool ScriptedPort::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

void ScriptedPort::requireOpen() const {
    uint8_t failure = 0;
    {
        std::lock_guard lock(mutex_);
        if (!open_)
            failure = 7;
    }
    if (failure)
        throw ECommError(failure, EBADF);
}

void ScriptedPort::record(WriteKind kind, std::string bytes) {
    uint8_t failure = 0;
    std::function<void(ScriptedPort&, const std::string&)> responder;
    std::string soFar;
    {
        std::lock_guard lock(mutex_);
        failure = writeFailure_;
        if (!failure) {
            writes_.push_back({kind, bytes, clock_.nowMs()});
            written_ += bytes;
            for (const auto& rule : rules_) {
                if (written_.size() >= rule.trigger.size() &&
                    written_.compare(written_.size() - rule.trigger.size(), rule.trigger.size(),
                                     rule.trigger) == 0)
                    script_.insert(script_.end(), rule.events.begin(), rule.events.end());
            }
            responder = responder_;
            if (responder) // a copy per write: only when someone looks at it
                soFar = written_;
        }
    }
    if (failure)
        throw ECommError(failure, EIO);
    // Outside the lock: the responder may queue events.
    if (responder)
        responder(*this, soFar);
}

void ScriptedPort::Write(const uint8_t* data, int32_t count) {
    requireOpen();
    if (data == nullptr || count <= 0)
        return;
    record(WriteKind::Write, std::string(reinterpret_cast<const char*>(data), count));
}

void ScriptedPort::WritePaced(const uint8_t* data, uint32_t count, uint32_t delayMs) {
    requireOpen();
    if (data == nullptr)
        return;
    for (uint32_t i = 0; i < count; ++i) {
        record(WriteKind::Paced, std::string(1, static_cast<char>(data[i])));
        Flush();
        if (delayMs > 0)
            clock_.sleepMs(delayMs);
    }
}

void ScriptedPort::WriteByte(uint8_t byte) {
    requireOpen();
    record(WriteKind::Byte, std::string(1, static_cast<char>(byte)));
}

uint32_t ScriptedPort::Read(uint8_t* buffer, uint32_t capacity) {
    requireOpen();
    std::function<void()> onRead;
    {
        std::lock_guard lock(mutex_);
        onRead = onRead_;
    }
    if (onRead)
        onRead();

    Event event = silence();
    {
        std::lock_guard lock(mutex_);
        ++reads_;
        if (!script_.empty()) {
            event = std::move(script_.front());
            script_.pop_front();
            // A chunk larger than the buffer is returned in pieces.
            if (event.kind == Event::Kind::Chunk && event.bytes.size() > capacity) {
                script_.push_front(chunk(event.bytes.substr(capacity)));
                event.bytes.resize(capacity);
            }
        }
    }
    switch (event.kind) {
    case Event::Kind::Error:
        throw ECommError(event.code, EIO);
    case Event::Kind::Silence:
        clock_.advance(static_cast<int64_t>(capacity) + SilenceConstantMs);
        if (capacity > 0)
            buffer[0] = 0;
        return 0;
    case Event::Kind::Chunk:
        break;
    }
    const auto count = static_cast<uint32_t>(event.bytes.size());
    std::memcpy(buffer, event.bytes.data(), count);
    if (count < capacity)
        buffer[count] = 0;
    clock_.advance(count == capacity ? 0 : BurstGapMs);
    return count;
}

void ScriptedPort::Flush() {
    requireOpen();
    std::lock_guard lock(mutex_);
    ++flushes_;
}

void ScriptedPort::interruptRead() {
    std::lock_guard lock(mutex_);
    ++interrupts_;
}

std::vector<ScriptedPort::WriteRecord> ScriptedPort::writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

std::string ScriptedPort::written() const {
    std::lock_guard lock(mutex_);
    return written_;
}

size_t ScriptedPort::readCount() const {
    std::lock_guard lock(mutex_);
    return reads_;
}

size_t ScriptedPort::flushCount() const {
    std::lock_guard lock(mutex_);
    return flushes_;
}

size_t ScriptedPort::interruptCount() const {
    std::lock_guard lock(mutex_);
    return interrupts_;
}

size_t ScriptedPort::pendingEvents() const {
    std::lock_guard lock(mutex_);
    return script_.size();
}
