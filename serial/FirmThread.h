#pragma once

#include "serial/SoftwareUpdate.h"
#include "serial/WorkerThread.h"

// The software-update worker: runs SoftwareUpdate on its own thread, on the
// window's second port object.
class TFirmThread : public TWorkerThread {
    Q_OBJECT
public:
    TFirmThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent = nullptr);

    SoftwareUpdate& update() { return static_cast<SoftwareUpdate&>(machine()); }
    std::vector<std::string> log() const {
        return static_cast<const SoftwareUpdate&>(machine()).log();
    }
};
