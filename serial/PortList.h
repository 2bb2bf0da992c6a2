#pragma once

#include <QList>
#include <QString>

#include <functional>

// The computer's serial ports as the program names them: COM1, COM2, ... in a
// stable order (the devices Qt reports, sorted by device path), followed by the
// extra device paths of QUELVOX_EXTRA_PORTS (colon-separated; pseudo-terminals
// of the stand-in receiver or socat).
struct SerialPortEntry {
    QString name;        // "COM3"
    QString devicePath;  // "/dev/ttyUSB0"
    QString description; // what the system says about the device, may be empty
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
    // replaces; an empty one restores the default.
    using SystemPorts = std::function<QList<SerialPortEntry>()>;
    static SystemPorts setSystemPorts(SystemPorts provider);
};
