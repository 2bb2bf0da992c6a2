// The list receive, the terminal's port use, cancel and stop.
//
// Every buffer, size and file name a worker reads is set before it is
// created and left alone until its completion handler runs on the GUI
// thread; what the worker reports is read only there. That order keeps the
// shared state consistent without locks.
#include "app/TransferCommands.h"

#include "app/Settings.h"
#include "i18n/Messages.h"
#include "serial/ComThread.h"
#include "serial/CommPort.h"
#include "serial/LoadThread.h"
#include "serial/ReceiverDialogue.h"
#include "serial/TermThread.h"
#include "transfer/TransferState.h"
#include "ui/UserDialogs.h"

#include <QLabel>
#include <QWidget>

TransferCommands::TransferCommands(TransferState& state, WorkerHost& host, const Settings& settings,
                                   UserDialogs& dialogs, Clock& clock, View view)
    : state_(state), host_(host), dialogs_(dialogs), clock_(clock), view_(std::move(view)),
      listPort_(std::make_unique<TCommPort>(clock)),
      terminal_(terminalOnline_, clock, dialogs, *view_.window, settings),
      listRead_(state.ListBusy, clock, dialogs, *view_.window, settings),
      listSend_(state.ListBusy, clock, dialogs, *view_.window, settings),
      update_(state.UpdateBusy, clock, dialogs, *view_.window, settings) {}

TransferCommands::~TransferCommands() {
    if (listPort_->IsOpen()) {
        try {
            listPort_->Close();
        } catch (const ECommError&) {
            // The device is gone; nothing left to release.
        }
    }
}

TTermThread* TransferCommands::termThread() const {
    return static_cast<TTermThread*>(terminal_.worker());
}

TComThread* TransferCommands::comThread() const {
    return static_cast<TComThread*>(listRead_.worker());
}

TLoadThread* TransferCommands::loadThread() const {
    return static_cast<TLoadThread*>(listSend_.worker());
}

bool TransferCommands::busy() const {
    return state_.ListBusy || state_.UpdateBusy;
}

bool TransferCommands::startTerminal(std::function<void()> done,
                                     std::function<bool(const ECommError&)> reportError) {
    PortTransfer::Steps steps;
    steps.create = [this] { return new TTermThread(*listPort_, host_, clock_); };
    steps.done = std::move(done);
    steps.reportError = std::move(reportError);
    clearBackupNote();
    return terminal_.start(*listPort_, steps);
}

void TransferCommands::endTerminal(bool lineLost) {
    terminal_.closePort(lineLost);
    terminal_.release();
}

bool TransferCommands::SaveList() {
    const bool started = startListRead(ListRead::Receive);
    // Controls stay on when nothing runs: there would be nothing to cancel,
    // and only a later transfer would switch them on again.
    if (started)
        view_.enableControls(false);
    return started;
}

bool TransferCommands::startListRead(ListRead purpose) {
    listReadPurpose_ = purpose;
    PortTransfer::Steps steps;
    steps.beforeOpen = [this] {
        state_.ReceivedStatus = 0;
        state_.ReceivedSize = 0;
    };
    steps.afterOpen = [this] { state_.allocateReceiveBuffer(); };
    steps.create = [this] { return new TComThread(*listPort_, host_, clock_); };
    steps.done = [this, purpose] {
        if (purpose == ListRead::Receive)
            ComThreadDone();
        else
            ComThreadDoneCheckOui();
    };
    steps.logFile = kListReceiveProfile.logPath;
    clearBackupNote();
    return listRead_.start(*listPort_, steps);
}

void TransferCommands::ComThreadDone() {
    ComClosePort();
    listRead_.release();
}

void TransferCommands::ComClosePort() {
    listRead_.closePort();
    showOutcome(finishListReceive(state_, listReadPurpose_));
    view_.enableControls(true);
}

void TransferCommands::showOutcome(const OutcomeMessage& outcome) {
    if (!outcome.show)
        return;
    dialogs_.message(view_.window, QStringLiteral("Quelvox"), i18n::text(outcome.slot),
                     outcome.icon == OutcomeMessage::Icon::Information
                         ? UserDialogs::Icon::Information
                         : UserDialogs::Icon::Warning);
}

void TransferCommands::clearBackupNote() {
    if (!backupNote_.isEmpty() && view_.statusLine->text() == backupNote_)
        view_.statusLine->clear();
    backupNote_.clear();
}

void TransferCommands::cancelAll() {
    listRead_.cancel();
    terminal_.cancel();
    listSend_.cancel();
    update_.cancel();
}

void TransferCommands::stopAll() {
    const auto workers = view_.window->findChildren<TWorkerThread*>(Qt::FindDirectChildrenOnly);
    for (TWorkerThread* worker : workers) {
        QObject::disconnect(worker, nullptr, view_.window, nullptr);
        worker->CancelByUser();
    }
    for (TWorkerThread* worker : workers) {
        worker->wait();
        delete worker;
    }
}
