#pragma once

#include "serial/Clock.h"
#include "serial/Port.h"
#include "serial/TerminalCommandBuffer.h"
#include "serial/WorkerHost.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// The online terminal: shows what the receiver prints and sends each line the
// user typed. A plain state machine; TTermThread runs its passes on a worker
// thread, tests call them directly with a scripted port and virtual time.
// ECommError from the port leaves runPass and ends the session without a log.
class TerminalSession {
public:
    enum class Phase : int32_t { WindUp = 0, Running = 1 };
    enum class PassResult {
        SentLine,       // a typed line went out
        Received,       // bytes arrived and were shown
        Silent,         // a read time-out passed without data
        WaitingForLine, // typed characters wait for Enter: nothing was read
        Finished,       // wound up; the log is written
    };

    static constexpr uint32_t ReadCapacity = 1024;
    static constexpr uint32_t MaxLineChars = 100;
    static constexpr uint32_t CharPauseMs = 70;
    static constexpr int64_t AfterChunkPauseMs = 1;
    static constexpr const char* SendStatus = "Send CMD :  ";
    static constexpr const char* EchoPrefix = "\n\b SEND : ";
    static constexpr const char* DefaultLogPath = "logTerm.txt";

    TerminalSession(Port& port, WorkerHost& host, Clock& clock, TerminalCommandBuffer& commands);

    // One pass of the worker loop. Throws ECommError from the port.
    PassResult runPass();

    // From the GUI thread: log "Cancel by User", phase 0, the host's
    // UserCancelled flag; a waiting read or wait is woken up.
    void cancelByUser();

    // From any thread: the device node is gone. The next pass fails as a lost
    // line does (read error 10, ENODEV), without the log.
    void lineGone();

    bool finished() const { return finished_; }
    Phase phase() const { return phase_.load(); }
    std::string statusText() const;
    std::vector<std::string> log() const;
    void setLogPath(std::string path) { logPath_ = std::move(path); }

private:
    void sendLine(const std::string& line);
    PassResult receive();
    void windUp();
    void addLog(std::string line);
    void writeLog() const;

    Port& port_;
    WorkerHost& host_;
    Clock& clock_;
    TerminalCommandBuffer& commands_;
    std::atomic<Phase> phase_{Phase::Running};
    std::atomic<bool> lineGone_{false};
    bool finished_ = false;
    std::array<uint8_t, ReadCapacity + 1> readBuffer_{};
    std::string statusText_;
    mutable std::mutex logMutex_; // the GUI thread adds "Cancel by User"
    std::vector<std::string> log_;
    std::string logPath_ = DefaultLogPath;
};
