// The list send (identity read, checks, backup of the receiver's list,
// TLoadThread) and the software update (TFirmThread on UpdatePort), with
// their completion handlers. The rules sit in transfer/SendOutcome; this
// file only sequences them.
#include "app/TransferCommands.h"

#include "i18n/Messages.h"
#include "serial/CommPort.h"
#include "serial/FirmThread.h"
#include "serial/LoadThread.h"
#include "serial/ReceiverDialogue.h"
#include "transfer/SendOutcome.h"
#include "transfer/TransferState.h"
#include "ui/UserDialogs.h"

#include <QDir>
#include <QLabel>

#include <exception>

namespace {
const QString caption = QStringLiteral("Quelvox");
constexpr int maxSoftwareFiles = 3;
const QString backupFolder = QStringLiteral("backups");
} // namespace

bool TransferCommands::LoadList() {
    return startListRead(ListRead::IdentityRead);
}

void TransferCommands::ComThreadDoneCheckOui() {
    ComClosePort();
    listRead_.release();
    auto warn = [this](const QString& text) {
        dialogs_.message(view_.window, caption, text, UserDialogs::Icon::Warning);
    };
    try {
        const ListSendCheck check =
            checkListForSend(state_, QDir::current().filePath(backupFolder));
        using Verdict = ListSendCheck::Verdict;
        switch (check.verdict) {
        case Verdict::Stop:
            break;
        case Verdict::Unsuitable:
            warn(i18n::text(i18n::Msg::ListNotSuitable));
            break;
        case Verdict::NoList:
            warn(i18n::text(i18n::Msg::MainNoListOpened) + state_.SendFileName);
            break;
        case Verdict::BackupFailed:
            warn(i18n::text(i18n::Msg::BackupFailed) +
                 QString::fromLocal8Bit(check.reason.c_str()));
            break;
        case Verdict::Send:
            startListSend(check.backupPath);
            break;
        }
    } catch (const std::exception& error) {
        state_.ListBusy = false;
        warn(QString::fromLocal8Bit(error.what()));
    }
}

bool TransferCommands::startListSend(const QString& backupPath) {
    PortTransfer::Steps steps;
    steps.beforeOpen = [this] { state_.ListAccepted = false; };
    steps.create = [this, backupPath] {
        auto* worker = new TLoadThread(*listPort_, host_, clock_);
        worker->send().addStartNote("Backup: " + backupPath.toStdString());
        return worker;
    };
    steps.done = [this] { LoadThreadDone(); };
    steps.logFile = kListSendProfile.logPath;
    clearBackupNote();
    backupNote_ = i18n::text(i18n::Msg::BackupWritten) + backupPath;
    view_.statusLine->setText(backupNote_);
    const bool started = listSend_.start(*listPort_, steps);
    // The running send can be cancelled; the other commands are refused
    // through ListBusy.
    if (started)
        view_.enableControls(false);
    return started;
}

void TransferCommands::LoadThreadDone() {
    // A send whose line was lost has no more to say about the backup.
    const bool lineLost = listSend_.worker() && listSend_.worker()->failed();
    LoadClosePort();
    listSend_.release();
    if (lineLost)
        clearBackupNote();
    showOutcome(finishListSend(state_));
}

void TransferCommands::LoadClosePort() {
    listSend_.closePort();
    view_.enableControls(true);
}

void TransferCommands::sendSoftware(const QStringList& files) {
    if (files.size() > maxSoftwareFiles) {
        dialogs_.message(view_.window, caption, i18n::text(i18n::Msg::AtMostThreeFiles),
                         UserDialogs::Icon::Warning);
        return;
    }
    for (int i = 0; i < maxSoftwareFiles; ++i)
        state_.SoftwareFileNames[static_cast<std::size_t>(i)] =
            i < files.size() ? files[i] : QString();
    if (!ReadFirmFiles())
        return;
    LoadFirm();
    state_.LastTransfer = TransferState::LastSoftwareUpdate;
}

bool TransferCommands::ReadFirmFiles() {
    if (!::ReadFirmFiles(state_))
        return false;
    const QString list = softwareFileThatIsAList(state_);
    if (list.isEmpty())
        return true;
    // A channel list sent as software would be written over the receiver's
    // software.
    finishSoftwareUpdate(state_);
    dialogs_.message(view_.window, caption, i18n::text(i18n::Msg::SoftwareIsList) + list,
                     UserDialogs::Icon::Warning);
    return false;
}

bool TransferCommands::LoadFirm() {
    if (!updatePort_)
        updatePort_ = std::make_unique<TCommPort>(clock_);
    PortTransfer::Steps steps;
    steps.beforeOpen = [this] {
        state_.UpdateDone = false;
        state_.SoftwareCursor = 0;
    };
    steps.create = [this] { return new TFirmThread(*updatePort_, host_, clock_); };
    steps.done = [this] { FirmThreadDone(); };
    steps.logFile = kSoftwareUpdateProfile.logPath;
    clearBackupNote();
    const bool started = update_.start(*updatePort_, steps);
    if (started)
        view_.enableControls(false);
    return started;
}

void TransferCommands::FirmThreadDone() {
    FirmClosePort();
    update_.release();
    showOutcome(finishSoftwareUpdate(state_));
}

void TransferCommands::FirmClosePort() {
    update_.closePort();
    view_.enableControls(true);
}
