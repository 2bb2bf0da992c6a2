#pragma once

#include "serial/Clock.h"
#include "serial/Port.h"
#include "serial/Terminal.h"
#include "serial/TerminalCommandBuffer.h"
#include "serial/WorkerHost.h"

#include <QThread>

#include <atomic>
#include <cstdint>

// The online terminal's worker thread: runs a TerminalSession on the open port
// until CancelByUser or a serial error. Create it, connect finished() (the
// completion event) and then call start(); delete it only after finished().
// The port must stay open while the thread runs; the owner closes it after.
class TTermThread : public QThread {
    Q_OBJECT
public:
    TTermThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent = nullptr);
    ~TTermThread() override;

    // GUI thread: ask the thread to wind up (log, UserCancelled flag).
    void CancelByUser();
    // GUI thread: one typed character for the command buffer (Enter is 13).
    // Characters beyond 1023 waiting ones are dropped.
    void AppendChar(char c);

    // After finished(): whether a serial error ended the run, and which.
    bool endedByCommError() const { return commErrorCode_.load() != 0; }
    uint8_t commErrorCode() const { return commErrorCode_.load(); }
    int32_t commSystemError() const { return commSystemError_.load(); }

    const TerminalSession& session() const { return session_; }
    TerminalCommandBuffer& commandBuffer() { return commands_; }

protected:
    void run() override;

private:
    Port& port_;
    TerminalCommandBuffer commands_;
    TerminalSession session_;
    std::atomic<uint8_t> commErrorCode_{0};
    std::atomic<int32_t> commSystemError_{0};
};
