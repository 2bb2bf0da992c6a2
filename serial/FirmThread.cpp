#include "serial/FirmThread.h"

#include <memory>

TFirmThread::TFirmThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent)
    : TWorkerThread(std::make_unique<SoftwareUpdate>(port, clock, host), parent) {}
