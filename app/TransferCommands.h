#pragma once

#include "app/PortTransfer.h"
#include "transfer/ReceiveOutcome.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

class Clock;
class QLabel;
class QWidget;
class TCommPort;
class TComThread;
class TLoadThread;
class TTermThread;
class TransferState;
class UserDialogs;
class WorkerHost;
struct ECommError;
struct Settings;

// The transfers of the main window: the two port objects, one PortTransfer
// per worker kind, and the steps of the list receive, the list send and the
// software update with their completion handlers. The window's commands
// (the dialogs, the common guard) call in here.
class TransferCommands {
public:
    // What the transfers touch of the window.
    struct View {
        QWidget* window = nullptr;
        QLabel* statusLine = nullptr;
        std::function<void(bool)> enableControls;
    };

    TransferCommands(TransferState& state, WorkerHost& host, const Settings& settings,
                     UserDialogs& dialogs, Clock& clock, View view);
    ~TransferCommands();

    // The status line, once the window has built it.
    void setStatusLine(QLabel* line) { view_.statusLine = line; }
    TCommPort* listPort() const { return listPort_.get(); }
    TCommPort* updatePort() const { return updatePort_.get(); }
    TTermThread* termThread() const;
    TComThread* comThread() const;
    TLoadThread* loadThread() const;
    bool terminalOnline() const { return terminalOnline_; }
    // A list transfer or a software update runs.
    bool busy() const;

    // The terminal worker on ListPort; done is its completion handler.
    // reportError: which failures to start are reported (all by default).
    bool startTerminal(std::function<void()> done,
                       std::function<bool(const ECommError&)> reportError = {});
    // The end of the terminal worker: the pause (none when its line was
    // lost), the close, the worker let go.
    void endTerminal(bool lineLost = false);

    // The list receive into ReceiveFileName.
    bool SaveList();
    void ComThreadDone();
    void ComClosePort();
    // The identity read of a list send (TransferSend.cpp from here on).
    bool LoadList();
    void ComThreadDoneCheckOui();
    void LoadThreadDone();
    void LoadClosePort();
    // The software branch of the send command.
    void sendSoftware(const QStringList& files);
    // Reads the software files; false (after a message where one is due) when
    // nothing may be sent.
    bool ReadFirmFiles();
    bool LoadFirm();
    void FirmThreadDone();
    void FirmClosePort();

    // CancelByUser on every running worker, in the order of the cancel command.
    void cancelAll();
    // The window is closing: every worker cancelled and waited for, without
    // its completion handler.
    void stopAll();

private:
    bool startListRead(ListRead purpose);
    bool startListSend(const QString& backupPath);
    void showOutcome(const OutcomeMessage& outcome);
    // The backup note of a list send stays on the status line for that send
    // only: a later run, or the loss of the send's line, removes it.
    void clearBackupNote();

    TransferState& state_;
    WorkerHost& host_;
    UserDialogs& dialogs_;
    Clock& clock_;
    View view_;
    std::unique_ptr<TCommPort> listPort_;
    // The software update's own port object: made by the first update, kept
    // as long as the window.
    std::unique_ptr<TCommPort> updatePort_;
    std::atomic<bool> terminalOnline_{false};
    PortTransfer terminal_;
    PortTransfer listRead_; // the list receive, or the identity read before a send
    PortTransfer listSend_;
    PortTransfer update_;
    // What the running or last list read is for.
    ListRead listReadPurpose_ = ListRead::Receive;
    QString backupNote_;
};
