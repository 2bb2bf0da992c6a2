#include "serial/ComThread.h"

#include "serial/CommError.h"

#include <exception>

TComThread::TComThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent)
    : QThread(parent), machine_(port, clock, host) {}

TComThread::~TComThread() {
    wait();
}

void TComThread::CancelByUser() {
    machine_.CancelByUser();
}

void TComThread::run() {
    try {
        machine_.Run();
    } catch (const ECommError& error) {
        // The port has shown its box already; the completion handler finds
        // no received list and reports the failure.
        errorCode_ = error.ErrorCode;
        failed_ = true;
    } catch (const std::exception&) {
        // Out of memory or a failing callback: the run ends the same way.
        failed_ = true;
    }
}
