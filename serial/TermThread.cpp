#include "serial/TermThread.h"

#include "serial/CommError.h"

#include <chrono>
#include <memory>

namespace {
// A waiting unfinished line is re-checked at least this often; appendChar and
// CancelByUser wake the thread earlier.
constexpr std::chrono::milliseconds LineWaitBackstop{50};

// The session with its command buffer, which the GUI thread fills.
class TerminalMachine : public WorkerMachine {
public:
    TerminalMachine(Port& line, WorkerHost& host, Clock& clock)
        : port(line), session(line, host, clock, commands) {}

    void Run() override {
        const ECommError::Hush hush([](const ECommError& error) {
            return ECommError::lineLost(error.ErrorCode, error.SystemError);
        });
        for (;;) {
            const auto result = session.runPass();
            if (result == TerminalSession::PassResult::Finished)
                return;
            if (result == TerminalSession::PassResult::WaitingForLine)
                commands.waitForLine(LineWaitBackstop);
        }
    }
    void CancelByUser() override { session.cancelByUser(); }

    Port& port;
    TerminalCommandBuffer commands;
    TerminalSession session;
};

TerminalMachine& terminal(WorkerMachine& machine) {
    return static_cast<TerminalMachine&>(machine);
}
} // namespace

TTermThread::TTermThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent)
    : TWorkerThread(std::make_unique<TerminalMachine>(port, host, clock), parent) {}

void TTermThread::appendChar(char c) {
    auto& t = terminal(machine());
    t.commands.append(c);
    // The worker may sit in a read of up to 1.3 s: end it, so the display stops
    // while a line is typed and a finished line goes out at once.
    t.port.interruptRead();
}

void TTermThread::lineGone() {
    terminal(machine()).session.lineGone();
}

const TerminalSession& TTermThread::session() const {
    return static_cast<const TerminalMachine&>(machine()).session;
}
