#pragma once

#include "app/LineReturn.h"
#include "app/MainWindowControls.h"
#include "app/MainWindowHost.h"
#include "app/PortMenuFollow.h"
#include "app/Settings.h"
#include "app/TransferCommands.h"
#include "ports/DeviceWatch.h"
#include "serial/Clock.h"
#include "serial/CommPort.h"
#include "serial/PortList.h"
#include "transfer/TransferState.h"
#include "ui/LanguageWindow.h"
#include "ui/UserDialogs.h"

#include <QMainWindow>

#include <functional>

namespace ui {
class WindowRegistry;
}

// The main window: the terminal view with the program's menus, tool bar and
// status line. Its handlers keep their component names; the work sits in
// plain classes: the controls (MainWindowControls), what the workers ask
// (MainWindowHost), the transfers (TransferCommands, one PortTransfer per
// worker), the terminal's reconnect (LineReturn), Settings, PortScanResult
// and the port menu across hot-plug (PortMenuFollow).
//
// MainWindow.cpp (construction, closing), MainWindowPorts.cpp (settings,
// port menu, port report), MainWindowTerminal.cpp (online/offline),
// MainWindowTransfers.cpp (the transfer commands) and MainWindowCommands.cpp
// (the other commands).
class TForm1 : public ui::LanguageWindow<QMainWindow> {
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
    // Buffers, sizes, file names and flags of the transfers: the one place
    // they live.
    TransferState& transfer() { return transfer_; }
    // The ports and the workers running on them.
    const TransferCommands& transfers() const { return transfers_; }
    // What the workers ask of the window.
    MainWindowHost& workerHost() { return host_; }
    // The status line's text.
    QString statusText() const;
    void setStatusText(const QString& text);

    // --- start-up, settings, ports (MainWindowPorts.cpp) ---------------------
    void FormShow();
    void PortScan();
    void portItemClick(int index); // COM11Click .. COM191Click
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
    // Prints the whole terminal view as one document titled "Quelvox".
    void Drucken1Click();
    void HelpIndex1Click();
    void Info1Click();
    void SpeedButton5Click();
    void Englisch1Click();
    void Deutsch1Click();
    void Franzsisch1Click();
    void Beenden1Click();

    // --- transfer commands (MainWindowTransfers.cpp) --------------------------
    void Datensenden1Click();
    void Datenempfangen1Click();
    void RedoButtonClick();
    void CancelButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void readSettings();
    // A device came or went: the port menu, its check and the port report
    // follow; a running transfer keeps its port.
    void portsChanged();
    // The common guard of the send, receive and repeat commands; false when
    // the command has to stop.
    bool TransferGuard(bool repeat);
    // While a list transfer or an update runs, the user confirms that closing
    // the window (or quitting) may abort it; true when it may go on.
    bool closingMayAbortTransfer();
    // The language commands: every window's texts, the messages, the help file.
    using LanguageRoutine = void (*)(const ui::WindowRegistry&);
    void switchLanguage(LanguageRoutine applyTexts, QAction* item, const char* helpFile);
    void setOnlineStatus();
    void showOnlineControls(bool online);
    void forwardTypedChar(char key);

    UserDialogs& dialogs_;
    Clock& clock_;
    const ui::WindowRegistry& windows_;
    PortScanner portScanner_;
    Settings settings_;
    MainWindowControls ui_;
    TransferState transfer_;
    MainWindowHost host_;
    TransferCommands transfers_;
    // One watch for the window: the port menu and the terminal's reconnect.
    DeviceWatch deviceWatch_;
    PortMenuFollow portFollow_;
    LineReturn lineReturn_; // the terminal's wait for a lost line to come back
};
