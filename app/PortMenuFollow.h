#pragma once

#include "app/PortScan.h"

#include <optional>

// The port menu while devices come and go: turns each new port list into the
// menu's rows. Rows equal to those shown are no change, so a device event that
// changed nothing of the list (or a device that flapped and is back) leaves
// the window alone.
class PortMenuFollow {
public:
    // The rows a port scan put into the menu.
    void scanned(const PortScanResult& scan);
    // The user chose the item at index (a port that is there).
    void chosen(int index);
    // The rows for the port list now, or nothing when they are the rows shown.
    // The stored port's item is checked while it is there, none while not.
    std::optional<PortScanResult> follow(const QList<SerialPortEntry>& ports, int storedPort);
    // A change found the stored port unplugged; false until a device comes or
    // goes.
    bool storedPortAway() const { return away_; }

private:
    QList<PortScanResult::Item> shown_;
    bool away_ = false;
};

// The terminal view's port report: the heading of the current language, the
// port, the fixed baud-rate line, and a line when the port is unplugged.
QString portReport(int portNumber, bool away);
