#pragma once

#include "app/GuiCallGate.h"
#include "app/TerminalText.h"
#include "transfer/TransferHost.h"

#include <QString>

#include <functional>
#include <mutex>
#include <string>

class QWidget;
class UserDialogs;
struct MainWindowControls;
struct Settings;

// What the workers ask of the main window: the transfer state (TransferHost)
// and the display calls, made from the worker's thread and carried out on the
// window's thread.
class MainWindowHost : public TransferHost {
public:
    MainWindowHost(TransferState& state, QWidget& window, const MainWindowControls& controls,
                   const Settings& settings, UserDialogs& dialogs);
    ~MainWindowHost() override;

    void GetComPort(std::string& name) override;
    void ShowStatus(const std::string& line) override;
    void insertTerminalText(const std::string& text) override;
    void clearInputField() override;
    void Rendezvous() override;
    void setProgress(int percent) override;

    // The device name GetComPort hands out: CBoxPortName's current text,
    // taken after each port scan.
    void setComPortName(const QString& name);
    // The window is closing: every call returns at once from now on, so a
    // worker waiting in one ends.
    void close() { guiCalls_.close(); }

private:
    // Runs fn on the window's thread and waits for it (at once when there).
    void runOnGuiThread(const std::function<void()>& fn) { guiCalls_.call(fn); }

    QWidget& window_;
    const MainWindowControls& controls_;
    const Settings& settings_;
    UserDialogs& dialogs_;
    GuiCallGate guiCalls_;
    TerminalTextFilter terminalFilter_;
    QString comPortName_;
    std::mutex comPortNameMutex_;
};
