#pragma once

#include "serial/Clock.h"
#include "serial/ListReceive.h"
#include "serial/Port.h"
#include "serial/WorkerHost.h"
#include "serial/WorkerThread.h"

#include <string>
#include <vector>

// The list-receive worker (also the identity read before a list send): runs
// ListReceive on its own thread. The main window configures and opens the
// port first and closes it after finished(); on a serial failure nothing is
// handed over and no log is written.
class TComThread : public TWorkerThread {
    Q_OBJECT
public:
    TComThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent = nullptr);

    // Before start(): where the log goes (default "logRead.txt").
    void setLogPath(std::string path) { receive().setLogPath(std::move(path)); }
    std::vector<std::string> log() const { return receive().log(); }

private:
    ListReceive& receive() { return static_cast<ListReceive&>(machine()); }
    const ListReceive& receive() const { return static_cast<const ListReceive&>(machine()); }
};
