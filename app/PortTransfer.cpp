#include "app/PortTransfer.h"

#include "app/ComErrorReport.h"
#include "app/Settings.h"
#include "serial/Clock.h"
#include "serial/CommPort.h"
#include "serial/WorkerThread.h"
#include "transfer/TransferPort.h"

#include <QFile>
#include <QWidget>

#include <exception>
#include <string>

PortTransfer::PortTransfer(std::atomic<bool>& busy, Clock& clock, UserDialogs& dialogs,
                           QWidget& window, const Settings& settings)
    : busy_(busy), clock_(clock), dialogs_(dialogs), window_(window), settings_(settings) {}

bool PortTransfer::start(TCommPort& port, const Steps& steps) {
    port_ = &port;
    TWorkerThread* worker = nullptr;
    bool opened = false;
    try {
        configureTransferPort(port, std::to_string(settings_.PortNumber),
                              static_cast<uint32_t>(settings_.BaudRate));
        busy_.store(true);
        if (steps.beforeOpen)
            steps.beforeOpen();
        port.Open();
        opened = true;
        if (steps.afterOpen)
            steps.afterOpen();
        worker = steps.create();
        // Owned by the window until its completion handler lets it go, so a
        // closing window finds every worker that still runs.
        worker->setParent(&window_);
        QObject::connect(worker, &QThread::finished, &window_, steps.done);
        if (steps.logFile)
            QFile::remove(QString::fromLatin1(steps.logFile));
        worker_ = worker;
        worker->start();
        return true;
    } catch (const ECommError& error) {
        busy_.store(false);
        if (!steps.reportError || steps.reportError(error))
            ShowComError(dialogs_, &window_, error.ErrorCode);
    } catch (const std::exception& error) {
        busy_.store(false);
        dialogs_.message(&window_, QStringLiteral("Quelvox"), QString::fromLocal8Bit(error.what()),
                         UserDialogs::Icon::Warning);
    }
    // Not started: no pointer may outlive the worker, and a port opened for
    // it would turn away every later transfer.
    delete worker;
    if (opened && port.IsOpen()) {
        try {
            port.Close();
        } catch (const ECommError&) {
            // Nothing more can be done about a port that will not close.
        }
    }
    return false;
}

void PortTransfer::cancel() {
    if (worker_ && worker_->isRunning())
        worker_->CancelByUser();
}

void PortTransfer::closePort(bool lineLost) {
    if (!port_ || !port_->IsOpen())
        return;
    if (!lineLost)
        clock_.sleepMs(500);
    try {
        port_->Close();
    } catch (const ECommError&) {
        // The device went away (pulled adapter): its handle cannot be closed
        // cleanly, and there is nothing more to do about it.
    }
}

void PortTransfer::release() {
    busy_ = false;
    // The worker's run is over; the object goes once its thread is gone.
    if (worker_) {
        worker_->deleteLater();
        worker_ = nullptr;
    }
}
