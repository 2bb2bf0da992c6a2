#include "serial/PortList.h"

#include <QSerialPortInfo>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace {

// The last scan, shared by the main window (GUI thread) and the port objects.
struct ScanState {
    std::mutex mutex;
    bool scanned = false;
    QList<SerialPortEntry> ports;
    PortList::SystemPorts systemPorts;
};

ScanState& state() {
    static ScanState instance;
    return instance;
}

QList<SerialPortEntry> qtPorts() {
    QList<SerialPortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const auto& info : infos)
        ports.append({QString(), info.systemLocation(), info.description()});
    return ports;
}

QList<SerialPortEntry> collectPorts() {
    PortList::SystemPorts provider;
    {
        std::lock_guard lock(state().mutex);
        provider = state().systemPorts;
    }
    QList<SerialPortEntry> ports = provider ? provider() : qtPorts();
    // The system reports devices in no promised order; sorting by path keeps
    // COMn pointing at the same device from one scan to the next.
    std::sort(ports.begin(), ports.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) {
        return a.devicePath < b.devicePath;
    });

    const char* extra = std::getenv("QUELVOX_EXTRA_PORTS");
    if (extra != nullptr) {
        const auto paths = QString::fromLocal8Bit(extra).split(u':', Qt::SkipEmptyParts);
        for (const auto& path : paths)
            ports.append({QString(), path, QString()});
    }
    for (qsizetype i = 0; i < ports.size(); ++i)
        ports[i].name = QStringLiteral("COM%1").arg(i + 1);
    return ports;
}

} // namespace

QList<SerialPortEntry> PortList::scan() {
    auto ports = collectPorts();
    auto& s = state();
    std::lock_guard lock(s.mutex);
    s.ports = ports;
    s.scanned = true;
    return ports;
}

PortList::SystemPorts PortList::setSystemPorts(SystemPorts provider) {
    auto& s = state();
    std::lock_guard lock(s.mutex);
    std::swap(s.systemPorts, provider);
    return provider;
}

QString PortList::devicePathFor(int portNumber) {
    auto& s = state();
    {
        std::lock_guard lock(s.mutex);
        if (s.scanned)
            return portNumber >= 1 && portNumber <= s.ports.size()
                       ? s.ports[portNumber - 1].devicePath
                       : QString();
    }
    scan();
    return devicePathFor(portNumber);
}
