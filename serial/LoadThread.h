#pragma once

#include "serial/ListSend.h"
#include "serial/WorkerThread.h"

// The list-send worker: runs ListSend on its own thread. The main window
// opens the port first and closes it after finished().
class TLoadThread : public TWorkerThread {
    Q_OBJECT
public:
    TLoadThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent = nullptr);

    ListSend& send() { return static_cast<ListSend&>(machine()); }
    std::vector<std::string> log() const { return static_cast<const ListSend&>(machine()).log(); }
};
