#pragma once

#include "i18n/Messages.h"
#include "serial/PortList.h"
#include "transfer/TerminalReconnect.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class DeviceWatch;
class TWorkerThread;
class TransferCommands;
class WorkerHost;
struct Settings;

// The online terminal across a lost line. From going online it listens to
// the window's device watch. When the line is lost (reads or writes failing with EIO or a
// hang-up, or the device node vanishing) it closes the port at once (its lock
// goes with it), says so on a line of the terminal view, puts the offline
// text on the status line and waits, the window still "On Line"; when the
// same device is back (TerminalReconnect) it opens it again with the same
// settings, starts the terminal and says so on another line. Until a line is
// lost nothing shows of it.
class LineReturn : public QObject {
public:
    struct Window {
        std::function<QList<SerialPortEntry>()> scan; // the port list now
        std::function<void()> done;                   // the terminal worker's completion handler
        std::function<void(bool)> status;             // online or offline text on the status line
    };

    LineReturn(TransferCommands& transfers, WorkerHost& host, const Settings& settings,
               DeviceWatch& watch, Window window, QObject* parent = nullptr);
    ~LineReturn() override;

    // The terminal went online on the settings' port.
    void online();
    // The terminal worker ended. True when its line was lost while online:
    // the worker is let go, the port closed and the wait begun.
    bool lost(const TWorkerThread* worker);
    // "Off Line", a transfer, another port, the window closing: no more
    // watching or waiting. True when it was waiting.
    bool stop();
    bool waiting() const { return reconnect_.waiting(); }

private:
    void devicesChanged();
    void reopen(const QList<SerialPortEntry>& ports);
    // Remembers the port's entry in ports; false when it is not there.
    bool remember(const QList<SerialPortEntry>& ports);
    void say(i18n::Msg slot);

    TransferCommands& transfers_;
    WorkerHost& host_;
    const Settings& settings_;
    Window window_;
    TerminalReconnect reconnect_;
    DeviceWatch& watch_;
    bool watching_ = false;  // from going online until stop
    QString devicePath_;     // of the line while online
    bool reopening_ = false; // a box of the reopening may run an event loop
};
