#pragma once

#include "serial/Clock.h"
#include "serial/ListReceive.h"
#include "serial/Port.h"
#include "serial/WorkerHost.h"

#include <QThread>
#include <atomic>
#include <cstdint>
#include <string>

// The list-receive worker (also the identity read before a list send): runs
// ListReceive on its own thread. The main window configures and opens the
// port first and closes it after finished(), which is the completion event.
// A serial failure ends the run: it is recorded here, finished() still fires,
// nothing is handed over and no log is written.
class TComThread : public QThread {
    Q_OBJECT
public:
    TComThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent = nullptr);
    ~TComThread() override;

    // GUI thread: log "Cancel by User", wind up without standby, set the main
    // window's UserCancelled flag.
    void CancelByUser();

    // Before start(): where the log goes (default "logRead.txt").
    void setLogPath(std::string path) { machine_.setLogPath(std::move(path)); }

    // After finished().
    bool failed() const { return failed_.load(); }
    uint8_t errorCode() const { return errorCode_.load(); }
    std::vector<std::string> log() const { return machine_.log(); }

protected:
    void run() override;

private:
    ListReceive machine_;
    std::atomic<bool> failed_{false};
    std::atomic<uint8_t> errorCode_{0};
};
