#pragma once

#include "serial/WorkerThread.h"

#include <QPointer>

#include <atomic>
#include <functional>

class Clock;
class QWidget;
class TCommPort;
class UserDialogs;
struct ECommError;
struct Settings;

// One worker on one port, from the opening to the end of its completion
// handler: the port configured and opened, the worker while it runs, and what
// every completion handler ends with (the pause and the close, the busy flag
// cleared, the worker let go). The handlers' own steps stay with the caller.
class PortTransfer {
public:
    struct Steps {
        // Before the port opens, right after the busy flag is set.
        std::function<void()> beforeOpen;
        // Between the opening and the worker's creation (buffers it fills).
        std::function<void()> afterOpen;
        // Makes the worker (not started).
        std::function<TWorkerThread*()> create;
        // The completion handler, on the window's thread.
        std::function<void()> done;
        // The worker's log file: a run whose line is lost writes none, so the
        // log of an earlier run is removed when this one starts.
        const char* logFile = nullptr;
        // Whether a serial failure of the start is reported (ShowComError);
        // by default every one is.
        std::function<bool(const ECommError&)> reportError;
    };

    // busy: the flag set while the worker runs; window: the owner of the
    // worker objects and the parent of the boxes.
    PortTransfer(std::atomic<bool>& busy, Clock& clock, UserDialogs& dialogs, QWidget& window,
                 const Settings& settings);

    // Starts the worker on port with the settings' port and baud rate. True
    // when it runs; otherwise the failure is reported, the busy flag cleared,
    // the port closed again and no completion handler will run.
    bool start(TCommPort& port, const Steps& steps);
    // The worker while it runs (none before and after).
    TWorkerThread* worker() const { return worker_.data(); }
    // Cancels a running worker.
    void cancel();
    // If the port is open: 500 ms, then close. A lost line has no output
    // left to wait for: lineLost closes it at once.
    void closePort(bool lineLost = false);
    // The busy flag cleared, the worker released once its thread is gone.
    void release();

private:
    std::atomic<bool>& busy_;
    Clock& clock_;
    UserDialogs& dialogs_;
    QWidget& window_;
    const Settings& settings_;
    TCommPort* port_ = nullptr;
    QPointer<TWorkerThread> worker_;
};
