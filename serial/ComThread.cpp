#include "serial/ComThread.h"

#include <memory>

TComThread::TComThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent)
    : TWorkerThread(std::make_unique<ListReceive>(port, clock, host), parent) {}
