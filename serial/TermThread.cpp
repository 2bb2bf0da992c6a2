#include "serial/TermThread.h"

#include "serial/CommError.h"

#include <chrono>

namespace {
// A waiting unfinished line is re-checked at least this often; AppendChar and
// CancelByUser wake the thread earlier.
constexpr std::chrono::milliseconds LineWaitBackstop{50};
} // namespace

TTermThread::TTermThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent)
    : QThread(parent), port_(port), session_(port, host, clock, commands_) {}

TTermThread::~TTermThread() {
    // Normally deleted after finished(); if not, stop before the members go.
    if (isRunning()) {
        session_.cancelByUser();
        wait();
    }
}

void TTermThread::CancelByUser() {
    session_.cancelByUser();
}

void TTermThread::AppendChar(char c) {
    commands_.append(c);
    // The worker may sit in a read of up to 1.3 s: end it, so the display stops
    // while a line is typed and a finished line goes out at once.
    port_.InterruptRead();
}

void TTermThread::run() {
    try {
        for (;;) {
            const auto result = session_.runPass();
            if (result == TerminalSession::PassResult::Finished)
                break;
            if (result == TerminalSession::PassResult::WaitingForLine)
                commands_.waitForLine(LineWaitBackstop);
        }
    } catch (const ECommError& error) {
        // Already announced when it was made; the run just ends, without a log.
        commSystemError_.store(error.SystemError);
        commErrorCode_.store(error.ErrorCode);
    } catch (...) {
        // Nothing may leave the thread; finished() still fires.
    }
}
