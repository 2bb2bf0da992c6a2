#pragma once

#include "serial/PortList.h"

#include <QList>
#include <QString>

#include <optional>

// The port number a port menu caption names: the digit after "&COM", and a
// second digit when the caption is longer ("&COM3" -> 3, "&COM12" -> 12,
// "&COM100" -> 10: only two digits are read). Nothing when the caption is
// shorter than five characters or has no digit in those places.
std::optional<int> portNumberFromCaption(const QString& caption);

// What a scan of the serial ports does to the port menu, worked out without
// the menu: the first MaxItems ports become visible items, the one whose
// number equals the stored port is checked.
struct PortScanResult {
    static constexpr int MaxItems = 19;

    enum class Outcome { NoPorts, Matched, StoredPortLost };

    struct Item {
        QString caption;     // "&COM3"
        QString deviceName;  // "COM3", the entry of the port combo box
        QString devicePath;  // "/dev/ttyUSB0"
        QString description; // may be empty
        bool checked = false;
    };

    Outcome outcome = Outcome::NoPorts;
    QList<Item> items; // at most MaxItems

    static PortScanResult from(const QList<SerialPortEntry>& ports, int storedPort);
};

// The tooltip and status tip of a port menu item: device path and description.
QString portItemTip(const PortScanResult::Item& item);
