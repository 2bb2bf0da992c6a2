#pragma once

#include <QList>
#include <QString>

#include <functional>

// The computer's serial ports as the program names them: at the first scan
// COM1, COM2, ... in a stable order (the devices Qt reports, sorted by device
// path), followed by the extra device paths of QUELVOX_EXTRA_PORTS that exist
// (colon-separated; pseudo-terminals of the stand-in receiver or socat). Later
// scans keep each port's number for the run (ports/PortNumbering.h).
struct SerialPortEntry {
    QString name;        // "COM3"
    QString devicePath;  // "/dev/ttyUSB0"
    QString description; // what the system says about the device, may be empty
    QString identity{};  // the by-id name or USB identity; empty when it has none
};

class PortList {
public:
    // Scans now; the result stays until the next scan.
    static QList<SerialPortEntry> scan();
    // The device path of COMn as of the last scan (scanning once if none ran);
    // empty when there is no such port.
    static QString devicePathFor(int portNumber);

    // Where scans take the system's devices from (by default what Qt
    // reports); tests put in entries of their own. Returns the provider it
    // replaces; an empty one restores the default. The numbering starts anew.
    using SystemPorts = std::function<QList<SerialPortEntry>()>;
    static SystemPorts setSystemPorts(SystemPorts provider);
};
