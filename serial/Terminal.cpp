#include "serial/Terminal.h"

#include "serial/CommError.h"
#include "serial/WorkerLog.h"

#include <cerrno>
#include <cstring>

TerminalSession::TerminalSession(Port& port, WorkerHost& host, Clock& clock,
                                 TerminalCommandBuffer& commands)
    : port_(port), host_(host), clock_(clock), commands_(commands) {
    addLog("just Receiving");
}

TerminalSession::PassResult TerminalSession::runPass() {
    if (finished_)
        return PassResult::Finished;
    if (phase_.load() == Phase::WindUp) {
        windUp();
        return PassResult::Finished;
    }
    if (lineGone_.load())
        throw ECommError(CE_ReadFailed, ENODEV);
    if (!commands_.empty()) {
        // While an unfinished line waits, nothing is read, so the receiver's
        // output does not run through what the user is typing.
        auto line = commands_.takeLine();
        if (!line)
            return PassResult::WaitingForLine;
        sendLine(*line);
        return PassResult::SentLine;
    }
    return receive();
}

void TerminalSession::sendLine(const std::string& line) {
    // line ends with its carriage return; at most the first 100 characters go
    // out, and the line end only when the carriage return lies among them.
    const size_t chars = line.size() - 1;
    const size_t sent = std::min<size_t>(chars, MaxLineChars);
    port_.WritePaced(reinterpret_cast<const uint8_t*>(line.data()), static_cast<uint32_t>(sent),
                     CharPauseMs);
    if (chars < MaxLineChars) {
        port_.WriteByte(13);
        port_.WriteByte(10);
    }

    host_.insertTerminalText(EchoPrefix + line + "\n");
    {
        std::lock_guard lock(logMutex_);
        statusText_ = SendStatus;
    }
    addLog(std::string(SendStatus) + " " + line.front());
    host_.clearInputField();
    host_.Rendezvous();
}

TerminalSession::PassResult TerminalSession::receive() {
    const uint32_t count = port_.Read(readBuffer_.data(), ReadCapacity);
    if (count == 0)
        return PassResult::Silent;
    // A zero byte ends the text of a chunk.
    const auto* begin = reinterpret_cast<const char*>(readBuffer_.data());
    const auto* zero = static_cast<const char*>(std::memchr(begin, 0, count));
    const size_t length = zero ? static_cast<size_t>(zero - begin) : count;
    if (length > 0)
        host_.insertTerminalText(std::string(begin, length));
    clock_.sleepMs(AfterChunkPauseMs);
    return PassResult::Received;
}

void TerminalSession::cancelByUser() {
    addLog("Cancel by User");
    phase_.store(Phase::WindUp);
    host_.setUserCancelled(true);
    commands_.wake();
    port_.interruptRead();
}

void TerminalSession::lineGone() {
    lineGone_.store(true);
    commands_.wake();
    port_.interruptRead();
}

void TerminalSession::windUp() {
    addLog("Terminate");
    host_.Rendezvous();
    writeLog();
    finished_ = true;
}

void TerminalSession::addLog(std::string line) {
    std::lock_guard lock(logMutex_);
    log_.push_back(std::move(line));
}

std::vector<std::string> TerminalSession::log() const {
    std::lock_guard lock(logMutex_);
    return log_;
}

std::string TerminalSession::statusText() const {
    std::lock_guard lock(logMutex_);
    return statusText_;
}

void TerminalSession::writeLog() const {
    // The log is diagnostic: a failure to write it is ignored.
    writeWorkerLog(logPath_, log());
}
