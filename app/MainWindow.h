#pragma once

#include "app/GuiCallGate.h"
#include "app/PortScan.h"
#include "app/Settings.h"
#include "app/TerminalText.h"
#include "i18n/Messages.h"
#include "serial/Clock.h"
#include "serial/CommPort.h"
#include "serial/PortList.h"
#include "transfer/TransferHost.h"
#include "transfer/TransferState.h"
#include "ui/LanguageWindow.h"
#include "ui/UserDialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QProgressBar;
class QToolButton;
class QThread;
class TComThread;
class TFirmThread;
class TLoadThread;
struct OutcomeMessage;
class TTermThread;
class TWorkerThread;
namespace i18n {
class DialogTexts;
}
namespace ui {
class WindowRegistry;
}

// The main window: the terminal view with the program's menus, tool bar and
// status line. Its handlers keep their component names; the work sits in
// plain classes (Settings, PortScanResult, comErrorBoxes, the workers).
// Controls are private; checks reach them by their component names.
//
// The window is split over several files: MainWindowLayout.cpp (controls),
// MainWindowMenus.cpp (menus and their commands), MainWindowPorts.cpp
// (settings, port menu, port report), MainWindowTerminal.cpp
// (online/offline), MainWindowHost.cpp (what workers ask of the window),
// MainWindowTransfers.cpp (the transfer commands, the start of a worker and
// the completion handlers), MainWindowSend.cpp (list send, software update) and
// MainWindowCommands.cpp (the other commands).
class TForm1 : public ui::LanguageWindow<QMainWindow>, public WorkerDisplay {
    Q_OBJECT
public:
    using PortScanner = std::function<QList<SerialPortEntry>()>;

    // clock: every pause of the window (500 ms before a port is closed) and
    // the time base of the port and the terminal worker. windows: every window
    // of the program, for the language commands, "Info" and the editor button.
    TForm1(UserDialogs& dialogs, Clock& clock, const ui::WindowRegistry& windows,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // Where the port scan gets the ports from (PortList::scan by default).
    void setPortScanner(PortScanner scanner) { portScanner_ = std::move(scanner); }

    // The values of "Quelvox.dat" as the window uses them: read at start,
    // changed by the port, baud-rate and language commands.
    const Settings& settings() const { return settings_; }
    bool terminalOnline() const { return TerminalOnline; }
    TTermThread* termThread() const;
    TComThread* comThread() const;
    TCommPort* listPort() const { return ListPort.get(); }
    TCommPort* updatePort() const { return UpdatePort.get(); }
    TLoadThread* loadThread() const;
    TFirmThread* firmThread() const;

    // Buffers, sizes, file names and flags of the transfers: the one place
    // they live.
    TransferState& transfer() { return transfer_; }
    const TransferState& transfer() const { return transfer_; }

private:
    TransferState transfer_;
    // What the workers ask: the state above, the display calls below.
    TransferHost workerHost_{transfer_, *this};
    GuiCallGate guiCalls_{*this};

    // Window state; only the window's own code and its workers touch it.
    std::unique_ptr<TCommPort> ListPort;
    QPointer<TTermThread> TermThread;
    // The list receive, or the identity read before a list send; none when
    // no such worker runs.
    QPointer<TComThread> ComThread;
    // The software update's own port object: made by the first update, kept
    // as long as the window.
    std::unique_ptr<TCommPort> UpdatePort;
    QPointer<TLoadThread> LoadThread;
    QPointer<TFirmThread> FirmThread;
    std::atomic<bool> TerminalOnline{false};

    Settings settings_;
    const ui::WindowRegistry& windows_;

    // --- controls (component names) ------------------------------------------
    QWidget* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // offline
    QToolButton* SpeedButton2 = nullptr; // online
    QToolButton* SpeedButton3 = nullptr; // send
    QToolButton* SpeedButton4 = nullptr; // receive
    QToolButton* RedoButton = nullptr;
    QToolButton* CancelButton = nullptr;
    QToolButton* AnsichtNeuButton = nullptr;
    QToolButton* PortEinstButton = nullptr;
    QToolButton* SpeedButton5 = nullptr; // editor
    QToolButton* PrintButton = nullptr;
    QLabel* LabelSend = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QComboBox* CBoxPortName = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
    QLabel* StatusBar1 = nullptr; // the status line's one text

    QMenu* Programm1 = nullptr;
    QAction* EinstellungenSpeichern1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QMenu* Port1 = nullptr;
    std::array<QAction*, PortScanResult::MaxItems> PortItems{}; // COM11 .. COM191
    QMenu* Baudrate = nullptr;
    QAction* N115200 = nullptr;
    QMenu* System1 = nullptr;
    QAction* SystemType = nullptr;
    QAction* OnLine1 = nullptr;
    QAction* OffLine1 = nullptr;
    QAction* ReceiverTest1 = nullptr;
    QMenu* Sprache1 = nullptr;
    QAction* Englisch1 = nullptr;
    QAction* Deutsch1 = nullptr;
    QAction* Franzsisch1 = nullptr;
    QMenu* Datentransfer1 = nullptr;
    QAction* Datensenden1 = nullptr;
    QAction* Datenempfangen1 = nullptr;
    QAction* LetztenTransferwiederholen1 = nullptr;
    QMenu* Werkzeug1 = nullptr;
    QAction* SenderlistenEditor1 = nullptr;
    QAction* Drucken1 = nullptr;
    QMenu* Ansicht1 = nullptr;
    QAction* NeueAnzeige1 = nullptr;
    QAction* PortEinstellung1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* HelpIndex1 = nullptr;
    QAction* Info1 = nullptr;
    i18n::DialogTexts* OpenDialog1 = nullptr;
    i18n::DialogTexts* SaveDialog1 = nullptr;

public:
    // --- start-up, settings, ports (MainWindowPorts.cpp) ---------------------
    void FormShow();
    void PortScan();
    void PortItemClick(int index); // COM11Click .. COM191Click
    void PrintPortSettings();
    void EinstellungenSpeichern1Click();
    void N115200Click();

    // --- terminal (MainWindowTerminal.cpp) ------------------------------------
    void OnLine1Click();
    void OffLine1Click();
    void TermThreadDone();
    void RichEdit1KeyPress(char key);
    void MaskEdit1KeyPress(char key);
    void ReceiverTest1Click();

    // --- commands (MainWindowCommands.cpp) -----------------------------------
    void EnableControls(bool on);
    void ShowComError(int code);
    void PortEinstellung1Click();
    void NeueAnzeige1Click();
    void Drucken1Click();
    // Prints the whole terminal view as one document titled "Quelvox".
    void printTerminalView(QPrinter& printer);
    void HelpIndex1Click();
    void Info1Click();
    void SpeedButton5Click();
    void Englisch1Click();
    void Deutsch1Click();
    void Franzsisch1Click();
    void Beenden1Click();
    // Transfers: the common guard runs first in the send, receive and repeat
    // commands; false when the command has to stop.
    bool TransferGuard(bool repeat);
    void Datensenden1Click();
    void Datenempfangen1Click();
    void RedoButtonClick();
    void CancelButtonClick();

    // --- transfer orchestration (MainWindowTransfers.cpp) --------------------
    // How a worker is started on a port: the busy flag is set and the
    // beforeOpen step runs before the port opens, afterOpen between the
    // opening and the worker's creation (buffers the worker fills); create
    // makes the worker (not started) and stores its pointer; done is its
    // completion handler.
    struct WorkerStart {
        TCommPort* port = nullptr;
        std::atomic<bool>* busy = nullptr;
        std::function<void()> beforeOpen;
        std::function<void()> afterOpen;
        std::function<TWorkerThread*()> create;
        void (TForm1::*done)() = nullptr;
    };
    // True when the worker runs. Otherwise the busy flag is cleared, the
    // failure has been reported and no completion handler will run.
    bool startWorker(const WorkerStart& start);
    // The list receive into ReceiveFileName.
    bool SaveList();
    // TComThread on ListPort with a fresh receive buffer (the receive and the
    // identity read of a send); done is its completion handler.
    bool startListRead(void (TForm1::*done)());
    void ComThreadDone();
    void ComClosePort();

    // --- list send and software update (MainWindowSend.cpp) ------------------
    // The identity read of a list send (SaveListForOui).
    bool LoadList();
    bool SaveListForOui() { return LoadList(); }
    void ComThreadDoneCheckOui();
    bool OpenChannelList();
    uint8_t CheckChannelListOui(const uint8_t* image) const;
    void LoadThreadDone();
    void LoadClosePort();
    // Reads the software files; false (after a message where one is due) when
    // nothing may be sent.
    bool ReadFirmFiles();
    bool LoadFirm();
    void FirmThreadDone();
    void FirmClosePort();
    // The window is closing: workers get no more answers, every worker is
    // cancelled and waited for, without its completion handler.
    void stopTransferWorkers();

    // The status line's text.
    QString statusText() const;
    void setStatusText(const QString& text);

    // --- worker display (MainWindowHost.cpp); callable from a worker thread --
    void GetComPort(std::string& name) override;
    void ShowStatus(const std::string& line) override;
    void InsertTerminalText(const std::string& text) override;
    void ClearInputField() override;
    void Rendezvous() override;
    void SetProgress(int percent) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout (MainWindowLayout.cpp)
    void buildToolBar();
    void buildMenus();
    void buildPortMenu(QMenu* settings);
    void buildTerminalView();
    void connectCommands();

    void readSettings();
    void closeListPortAfterPause();
    void closePortAfterPause(TCommPort* port);
    void showOutcome(const OutcomeMessage& outcome);
    // The software branch of the send command.
    void sendSoftware(const QStringList& files);
    // The list send proper, after the identity read and its checks.
    bool startListSend(const QString& backupPath);
    // The language commands: every window's texts, the messages, the help file.
    using LanguageRoutine = void (*)(const ui::WindowRegistry&);
    void switchLanguage(LanguageRoutine applyTexts, QAction* item, const char* helpFile);
    void setOnlineStatus();
    void showOnlineControls(bool online);
    void forwardTypedChar(char key);
    // Runs fn on the GUI thread and waits for it (at once when already there).
    void runOnGuiThread(const std::function<void()>& fn);
    void installCommErrorNotifier();

    UserDialogs& dialogs_;
    Clock& clock_;
    PortScanner portScanner_;
    TerminalTextFilter terminalFilter_;
    QString comPortName_; // CBoxPortName's text, readable from a worker
    mutable std::mutex comPortNameMutex_;
};
