#pragma once

#include "serial/PortList.h"

#include <QList>

// The online terminal's wait for its line to come back after the device went
// away (pulled out, or reads failing with EIO or a hang-up) while online. The
// window reports the loss, releases the port and waits; on each change of the
// port list it asks whether the same device is back, under its old number (the
// port list keeps it): then it reopens the port with the same settings.
// "Off Line", a transfer command, another port or closing the window stops
// the waiting. A device that refuses to be opened (permission denied) is
// reported once; it is tried again only after it has gone and come back.
class TerminalReconnect {
public:
    // Going online on this port: the device to recognise later.
    void online(const SerialPortEntry& port);
    // The line was lost while online.
    void lineLost();
    void stop();
    bool waiting() const { return state_ != State::Idle; }

    // After a change of the port list: true when the device is back and the
    // port is to be opened again.
    bool returned(const QList<SerialPortEntry>& ports);
    // Opening the returned device failed. Permission denied waits until it
    // has been away once more; any other failure (gone again at once) keeps
    // waiting.
    void reopenFailed(bool permissionDenied);
    // Opened again: online, as on the same port.
    void reopened() { state_ = State::Idle; }

private:
    enum class State { Idle, Waiting, Refused };
    bool listed(const QList<SerialPortEntry>& ports) const;

    SerialPortEntry port_;
    State state_ = State::Idle;
};
