// The transfer commands of the main window: the common guard, the start of a
// worker on a port, the list receive with its completion handler, repeat and
// cancel. The send command is in MainWindowSend.cpp.
//
// Every buffer, size and file name a worker reads is set before it is
// created and left alone until its completion handler runs on the GUI
// thread; what the worker reports is read only there. That order keeps the
// shared state consistent without locks.
#include "app/MainWindow.h"

#include "i18n/WindowTexts.h"
#include "serial/ComThread.h"
#include "serial/FirmThread.h"
#include "serial/LoadThread.h"
#include "serial/TermThread.h"
#include "serial/WorkerThread.h"
#include "transfer/ReceiveOutcome.h"
#include "transfer/TransferPort.h"

#include <QAction>

#include <exception>

namespace {
const QString caption = QStringLiteral("Quelvox");

// Without the ending, a saved list would not be recognised as a list by the
// send command, which tells lists from software files by the name's ending.
const QString listSuffix = QStringLiteral("lst");
} // namespace

bool TForm1::TransferGuard(bool repeat) {
    if (OnLine1->isChecked()) {
        OffLine1Click();
        if (repeat)
            clock_.sleepMs(500);
        return true;
    }
    if (transfer_.ListBusy || transfer_.UpdateBusy) {
        dialogs_.message(this, caption, i18n::text(i18n::Msg::WaitForTransfer),
                         UserDialogs::Icon::Warning);
        return false;
    }
    return true;
}

bool TForm1::startWorker(const WorkerStart& start) {
    TWorkerThread* worker = nullptr;
    bool opened = false;
    try {
        configureTransferPort(*start.port, std::to_string(settings_.PortNumber),
                              static_cast<uint32_t>(settings_.BaudRate));
        start.busy->store(true);
        if (start.beforeOpen)
            start.beforeOpen();
        start.port->Open();
        opened = true;
        if (start.afterOpen)
            start.afterOpen();
        worker = start.create();
        // Owned by the window until its completion handler lets it go, so a
        // closing window finds every worker that still runs.
        worker->setParent(this);
        connect(worker, &QThread::finished, this, start.done);
        worker->start();
        return true;
    } catch (const ECommError& error) {
        start.busy->store(false);
        ShowComError(error.ErrorCode);
    } catch (const std::exception& error) {
        start.busy->store(false);
        dialogs_.message(this, caption, QString::fromLocal8Bit(error.what()),
                         UserDialogs::Icon::Warning);
    }
    // Not started: the worker's pointer must not outlive it, and a port
    // opened for it would turn away every later transfer.
    delete worker;
    if (opened && start.port->IsOpen()) {
        try {
            start.port->Close();
        } catch (const ECommError&) {
            // Nothing more can be done about a port that will not close.
        }
    }
    return false;
}

void TForm1::Datenempfangen1Click() {
    if (!TransferGuard(false))
        return;
    const QString path =
        dialogs_.saveFileName(this, SaveDialog1->title, SaveDialog1->filter, listSuffix);
    if (path.isEmpty())
        return;
    transfer_.ReceiveFileName = path;
    SaveList();
    transfer_.LastTransfer = TransferState::LastListReceive;
}

bool TForm1::SaveList() {
    const bool started = startListRead(&TForm1::ComThreadDone);
    // Controls stay on when nothing runs: there would be nothing to cancel,
    // and only a later transfer would switch them on again.
    if (started)
        EnableControls(false);
    return started;
}

bool TForm1::startListRead(void (TForm1::*done)()) {
    if (!ListPort)
        ListPort = std::make_unique<TCommPort>(clock_);
    WorkerStart start;
    start.port = ListPort.get();
    start.busy = &transfer_.ListBusy;
    start.beforeOpen = [this] {
        transfer_.ReceivedStatus = 0;
        transfer_.ReceivedSize = 0;
    };
    start.afterOpen = [this] { transfer_.allocateReceiveBuffer(); };
    start.create = [this] {
        auto* worker = new TComThread(*ListPort, workerHost_, clock_);
        ComThread = worker;
        return worker;
    };
    start.done = done;
    return startWorker(start);
}

void TForm1::ComThreadDone() {
    ComClosePort();
    transfer_.ListBusy = false;
    // The worker's run is over; the object goes once its thread is gone.
    if (ComThread) {
        ComThread->deleteLater();
        ComThread = nullptr;
    }
}

void TForm1::ComClosePort() {
    closeListPortAfterPause();
    showOutcome(finishListReceive(transfer_));
    EnableControls(true);
}

void TForm1::RedoButtonClick() {
    if (!TransferGuard(true))
        return;
    switch (transfer_.LastTransfer) {
    case TransferState::LastListReceive:
        SaveList();
        break;
    case TransferState::LastListSend:
        // The identity read can be cancelled like any running transfer.
        if (LoadList())
            EnableControls(false);
        break;
    case TransferState::LastSoftwareUpdate:
        if (ReadFirmFiles())
            LoadFirm();
        break;
    default:
        break;
    }
}

void TForm1::CancelButtonClick() {
    if (ComThread && ComThread->isRunning())
        ComThread->CancelByUser();
    if (TermThread && TermThread->isRunning())
        TermThread->CancelByUser();
    if (LoadThread && LoadThread->isRunning())
        LoadThread->CancelByUser();
    if (FirmThread && FirmThread->isRunning())
        FirmThread->CancelByUser();
    clock_.sleepMs(500);
}

void TForm1::stopTransferWorkers() {
    // A worker waiting in a synchronised call returns at once from now on, so
    // the waits below end; no completion handler runs on a closing window.
    guiCalls_.close();
    const auto workers = findChildren<TWorkerThread*>(Qt::FindDirectChildrenOnly);
    for (TWorkerThread* worker : workers) {
        disconnect(worker, nullptr, this, nullptr);
        worker->CancelByUser();
    }
    for (TWorkerThread* worker : workers) {
        worker->wait();
        delete worker;
    }
}
