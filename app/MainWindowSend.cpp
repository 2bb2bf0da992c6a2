// The send command of the main window: the list send (identity read, checks,
// backup of the receiver's list, TLoadThread) and the software update
// (TFirmThread on UpdatePort), with their completion handlers. The rules sit
// in transfer/SendOutcome; this file only sequences them.
#include "app/MainWindow.h"

#include "i18n/WindowTexts.h"
#include "serial/ComThread.h"
#include "serial/FirmThread.h"
#include "serial/LoadThread.h"
#include "transfer/SendOutcome.h"

#include <QDir>

#include <exception>

namespace {
const QString caption = QStringLiteral("Quelvox");
constexpr int maxSoftwareFiles = 3;
const QString backupFolder = QStringLiteral("backups");
} // namespace

TLoadThread* TForm1::loadThread() const {
    return LoadThread.data();
}

TFirmThread* TForm1::firmThread() const {
    return FirmThread.data();
}

void TForm1::showOutcome(const OutcomeMessage& outcome) {
    if (!outcome.show)
        return;
    dialogs_.message(this, caption, i18n::text(outcome.slot),
                     outcome.icon == OutcomeMessage::Icon::Information
                         ? UserDialogs::Icon::Information
                         : UserDialogs::Icon::Warning);
}

void TForm1::Datensenden1Click() {
    if (!TransferGuard(false))
        return;
    const QStringList files =
        dialogs_.openFileNames(this, OpenDialog1->title, OpenDialog1->filter, true);
    if (files.isEmpty())
        return;
    transfer_.SendFileName = files.first();
    // Any letter case: "LIST.LST" is a list, never a software file.
    if (!isListFileName(transfer_.SendFileName)) {
        sendSoftware(files);
        return;
    }
    if (files.size() > 1) {
        dialogs_.message(this, caption, i18n::text(i18n::Msg::OnlyOneList),
                         UserDialogs::Icon::Warning);
        return;
    }
    // Controls go off only when a worker runs: otherwise nothing would switch
    // them on again.
    if (LoadList())
        EnableControls(false);
    transfer_.LastTransfer = TransferState::LastListSend;
}

void TForm1::sendSoftware(const QStringList& files) {
    if (files.size() > maxSoftwareFiles) {
        dialogs_.message(this, caption, i18n::text(i18n::Msg::AtMostThreeFiles),
                         UserDialogs::Icon::Warning);
        return;
    }
    for (int i = 0; i < maxSoftwareFiles; ++i)
        transfer_.SoftwareFileNames[static_cast<std::size_t>(i)] =
            i < files.size() ? files[i] : QString();
    if (!ReadFirmFiles())
        return;
    LoadFirm();
    transfer_.LastTransfer = TransferState::LastSoftwareUpdate;
}

bool TForm1::LoadList() {
    return startListRead(&TForm1::ComThreadDoneCheckOui);
}

void TForm1::ComThreadDoneCheckOui() {
    // Without file names the receive's end neither saves nor announces the
    // receiver's list, and keeps it for the checks below.
    const QString receiveName = transfer_.ReceiveFileName;
    const QString sendName = transfer_.SendFileName;
    transfer_.ReceiveFileName.clear();
    transfer_.SendFileName.clear();
    ComClosePort();
    transfer_.ListBusy = false;
    if (ComThread) {
        ComThread->deleteLater();
        ComThread = nullptr;
    }
    transfer_.ReceiveFileName = receiveName;
    transfer_.SendFileName = sendName;
    try {
        const ListSendCheck check =
            checkListForSend(transfer_, QDir::current().filePath(backupFolder));
        using Verdict = ListSendCheck::Verdict;
        switch (check.verdict) {
        case Verdict::Stop:
            break;
        case Verdict::Unsuitable:
            dialogs_.message(this, caption, i18n::text(i18n::Msg::ListNotSuitable),
                             UserDialogs::Icon::Warning);
            break;
        case Verdict::NoList:
            dialogs_.message(this, caption,
                             i18n::text(i18n::Msg::MainNoListOpened) + transfer_.SendFileName,
                             UserDialogs::Icon::Warning);
            break;
        case Verdict::BackupFailed:
            dialogs_.message(this, caption,
                             i18n::text(i18n::Msg::BackupFailed) +
                                 QString::fromLocal8Bit(check.reason.c_str()),
                             UserDialogs::Icon::Warning);
            break;
        case Verdict::Send:
            setStatusText(i18n::text(i18n::Msg::BackupWritten) + check.backupPath);
            startListSend(check.backupPath);
            break;
        }
    } catch (const std::exception& error) {
        transfer_.ListBusy = false;
        dialogs_.message(this, caption, QString::fromLocal8Bit(error.what()),
                         UserDialogs::Icon::Warning);
    }
}

bool TForm1::startListSend(const QString& backupPath) {
    WorkerStart start;
    start.port = ListPort.get();
    start.busy = &transfer_.ListBusy;
    start.beforeOpen = [this] { transfer_.ListAccepted = false; };
    start.create = [this, backupPath] {
        auto* worker = new TLoadThread(*ListPort, workerHost_, clock_);
        worker->send().addStartNote("Backup: " + backupPath.toStdString());
        LoadThread = worker;
        return worker;
    };
    start.done = &TForm1::LoadThreadDone;
    const bool started = startWorker(start);
    // The running send can be cancelled; the other commands are refused
    // through ListBusy.
    if (started)
        EnableControls(false);
    return started;
}

bool TForm1::OpenChannelList() {
    return ::OpenChannelList(transfer_);
}

uint8_t TForm1::CheckChannelListOui(const uint8_t* image) const {
    return ::CheckChannelListOui(image);
}

void TForm1::LoadThreadDone() {
    LoadClosePort();
    transfer_.ListBusy = false;
    if (LoadThread) {
        LoadThread->deleteLater();
        LoadThread = nullptr;
    }
    showOutcome(finishListSend(transfer_));
}

void TForm1::LoadClosePort() {
    closePortAfterPause(ListPort.get());
    EnableControls(true);
}

bool TForm1::ReadFirmFiles() {
    if (!::ReadFirmFiles(transfer_))
        return false;
    const QString list = softwareFileThatIsAList(transfer_);
    if (list.isEmpty())
        return true;
    // A channel list sent as software would be written over the receiver's
    // software.
    finishSoftwareUpdate(transfer_);
    dialogs_.message(this, caption, i18n::text(i18n::Msg::SoftwareIsList) + list,
                     UserDialogs::Icon::Warning);
    return false;
}

bool TForm1::LoadFirm() {
    if (!UpdatePort)
        UpdatePort = std::make_unique<TCommPort>(clock_);
    WorkerStart start;
    start.port = UpdatePort.get();
    start.busy = &transfer_.UpdateBusy;
    start.beforeOpen = [this] {
        transfer_.UpdateDone = false;
        transfer_.SoftwareCursor = 0;
    };
    start.create = [this] {
        auto* worker = new TFirmThread(*UpdatePort, workerHost_, clock_);
        FirmThread = worker;
        return worker;
    };
    start.done = &TForm1::FirmThreadDone;
    const bool started = startWorker(start);
    if (started)
        EnableControls(false);
    return started;
}

void TForm1::FirmThreadDone() {
    FirmClosePort();
    transfer_.UpdateBusy = false;
    if (FirmThread) {
        FirmThread->deleteLater();
        FirmThread = nullptr;
    }
    showOutcome(finishSoftwareUpdate(transfer_));
}

void TForm1::FirmClosePort() {
    closePortAfterPause(UpdatePort.get());
    EnableControls(true);
}
