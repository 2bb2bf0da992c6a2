#include "serial/LoadThread.h"

#include <memory>

TLoadThread::TLoadThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent)
    : TWorkerThread(std::make_unique<ListSend>(port, clock, host), parent) {}
