#include "transfer/TerminalReconnect.h"

#include <algorithm>

void TerminalReconnect::online(const SerialPortEntry& port) {
    port_ = port;
    state_ = State::Idle;
}

void TerminalReconnect::lineLost() {
    state_ = State::Waiting;
}

void TerminalReconnect::stop() {
    state_ = State::Idle;
}

bool TerminalReconnect::listed(const QList<SerialPortEntry>& ports) const {
    // A device without an identity is known by its path alone.
    return std::any_of(ports.begin(), ports.end(), [this](const SerialPortEntry& p) {
        return p.name == port_.name && (port_.identity.isEmpty() ? p.devicePath == port_.devicePath
                                                                 : p.identity == port_.identity);
    });
}

bool TerminalReconnect::returned(const QList<SerialPortEntry>& ports) {
    const bool there = listed(ports);
    if (state_ == State::Refused && !there)
        state_ = State::Waiting;
    return state_ == State::Waiting && there;
}

void TerminalReconnect::reopenFailed(bool permissionDenied) {
    if (state_ == State::Waiting && permissionDenied)
        state_ = State::Refused;
}
