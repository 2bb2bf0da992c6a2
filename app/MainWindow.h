#pragma once

#include "app/PortScan.h"
#include "app/TerminalText.h"
#include "app/TransferState.h"
#include "i18n/Messages.h"
#include "serial/Clock.h"
#include "serial/CommPort.h"
#include "serial/PortList.h"
#include "serial/WorkerHost.h"
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
class TTermThread;
class TForm2;
class TSuche;
class TWarnung1;
class TWarnung2;
class TWarnung3;
class TWarnung4;
class TFavForm;
class TEditForm;
class TEditTransponder;
namespace i18n {
class DialogTexts;
}

// The main window: the terminal view with the program's menus, tool bar and
// status line. Its handlers keep their component names; the work sits in
// plain classes (Settings, PortScanResult, comErrorBoxes, the workers).
//
// The window is split over several files: MainWindowLayout.cpp (controls,
// menus), MainWindowPorts.cpp (settings, port menu, port report),
// MainWindowTexts.cpp (start-up captions), MainWindowTerminal.cpp
// (online/offline), MainWindowHost.cpp (what workers
// ask of the window), MainWindowTransfers.cpp (the transfer commands, the
// start of a worker and the completion handlers) and MainWindowCommands.cpp
// (the other commands).
class TForm1 : public QMainWindow, public WorkerHost {
    Q_OBJECT
public:
    // The other windows of the program, created after this one; the language
    // commands reach them all, "Info" and the editor button show two of them.
    struct PeerWindows {
        TForm2* Form2 = nullptr;
        TSuche* Suche = nullptr;
        TWarnung1* Warnung1 = nullptr;
        TWarnung2* Warnung2 = nullptr;
        TWarnung3* Warnung3 = nullptr;
        TWarnung4* Warnung4 = nullptr;
        TFavForm* FavForm = nullptr;
        TEditForm* EditForm = nullptr;
        TEditTransponder* EditTransponder = nullptr;
    };
    using PortScanner = std::function<QList<SerialPortEntry>()>;

    // clock: every pause of the window (500 ms before a port is closed) and
    // the time base of the port and the terminal worker.
    TForm1(UserDialogs& dialogs, Clock& clock, QWidget* parent = nullptr);
    ~TForm1() override;

    void setPeerWindows(const PeerWindows& peers) { peers_ = peers; }
    // Where the port scan gets the ports from (PortList::scan by default).
    void setPortScanner(PortScanner scanner) { portScanner_ = std::move(scanner); }

    // --- program-wide values and window state --------------------------------
    uint8_t PortNumber = 1;
    int32_t BaudRate = 115200;
    int32_t LanguageId = 2;
    std::string TitleText;   // Latin-1, at most 20 bytes
    std::string CommentText; // at most 30
    std::string FooterText;  // at most 50
    bool SettingsFileRead = false;

    // Buffers, sizes, file names and flags of the transfers: the one place
    // they live. The names below are short ways to the ones the terminal and
    // the commands use most.
    TransferState& transfer() { return transfer_; }
    const TransferState& transfer() const { return transfer_; }

private:
    TransferState transfer_;

public:
    uint8_t& LastTransfer = transfer_.LastTransfer;
    std::atomic<bool>& ListBusy = transfer_.ListBusy;
    std::atomic<bool>& UpdateBusy = transfer_.UpdateBusy;
    std::atomic<bool>& UserCancelled = transfer_.UserCancelled;

    std::unique_ptr<TCommPort> ListPort;
    QPointer<TTermThread> TermThread;
    // The list receive, or the identity read before a list send; none when
    // no such worker runs.
    QPointer<TComThread> ComThread;
    std::atomic<bool> TerminalOnline{false};

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
        std::function<QThread*()> create;
        void (TForm1::*done)() = nullptr;
    };
    // True when the worker runs. Otherwise the busy flag is cleared, the
    // failure has been reported and no completion handler will run.
    bool startWorker(const WorkerStart& start);
    // The list receive into ReceiveFileName.
    bool SaveList();
    void ComThreadDone();
    void ComClosePort();
    // Ends every transfer worker and waits for it (the window is closing).
    void stopTransferWorkers();

    // The status line's text.
    QString statusText() const;
    void setStatusText(const QString& text);

    // --- WorkerHost (MainWindowHost.cpp); callable from a worker thread ------
    void GetComPort(std::string& name) override;
    uint8_t* GetFileBuffer(int type) override;
    int32_t GetFileSize(int type) override;
    void GetFirmFileName(int type, std::string& name) override;
    uint8_t* GetChReceivedBuffer() override;
    void SetReceivedStatus(uint8_t status) override { transfer_.ReceivedStatus = status; }
    void SetReceivedChListSize(int32_t size) override { transfer_.ReceivedSize = size; }
    void SetListAccepted(bool accepted) override { transfer_.ListAccepted = accepted; }
    void SetUpdateDone(bool done) override { transfer_.UpdateDone = done; }
    void SetUserCancelled(bool cancelled) override { transfer_.UserCancelled = cancelled; }
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
    void setStartupTexts();

    void readSettings();
    void configurePort(TCommPort& port);
    void closeListPortAfterPause();
    void applyLanguage(i18n::Language language, QAction* item, const char* helpFile);
    void setOnlineStatus();
    void showOnlineControls(bool online);
    void forwardTypedChar(char key);
    // Runs fn on the GUI thread and waits for it (at once when already there).
    void runOnGuiThread(const std::function<void()>& fn);
    void installCommErrorNotifier();

    UserDialogs& dialogs_;
    Clock& clock_;
    PeerWindows peers_;
    PortScanner portScanner_;
    TerminalTextFilter terminalFilter_;
    std::atomic<bool> closing_{false};
    QString comPortName_; // CBoxPortName's text, readable from a worker
    mutable std::mutex comPortNameMutex_;
};
