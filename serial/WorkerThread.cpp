#include "serial/WorkerThread.h"

#include "serial/CommError.h"

#include <exception>

TWorkerThread::TWorkerThread(std::unique_ptr<WorkerMachine> machine, QObject* parent)
    : QThread(parent), machine_(std::move(machine)) {}

TWorkerThread::~TWorkerThread() {
    // Normally deleted after finished(); if not, stop before the machine goes.
    if (isRunning()) {
        machine_->CancelByUser();
        wait();
    }
}

std::string TWorkerThread::failure() const {
    std::lock_guard lock(failureMutex_);
    return failure_;
}

void TWorkerThread::run() {
    try {
        machine_->Run();
    } catch (const ECommError& error) {
        // Already announced when it was made; the completion handler finds
        // what the worker reported before and tells the user.
        systemError_ = error.SystemError;
        errorCode_ = error.ErrorCode;
        failed_ = true;
    } catch (const std::exception& error) {
        // Out of memory or a failing callback: the run ends the same way.
        std::lock_guard lock(failureMutex_);
        failure_ = error.what();
        failed_ = true;
    } catch (...) {
        // Nothing may leave the thread; finished() still fires.
        failed_ = true;
    }
}
