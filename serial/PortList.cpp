#include "serial/PortList.h"

#include "ports/PortNumbering.h"
#include "ports/SystemDevices.h"

#include <QStringList>

#include <algorithm>
#include <mutex>

namespace {

// The last scan, shared by the main window (GUI thread) and the port objects.
struct ScanState {
    std::mutex mutex;
    bool scanned = false;
    QList<SerialPortEntry> ports;
    PortList::SystemPorts systemPorts;
    PortNumbering numbering;
};

ScanState& state() {
    static ScanState instance;
    return instance;
}

QList<PortDevice> providedPorts(const PortList::SystemPorts& provider) {
    QList<PortDevice> devices;
    for (const SerialPortEntry& entry : provider())
        devices.append(
            {entry.devicePath, entry.description, entry.identity, nodeKind(entry.devicePath)});
    std::sort(devices.begin(), devices.end(),
              [](const PortDevice& a, const PortDevice& b) { return a.path < b.path; });
    return devices;
}

QList<SerialPortEntry> collectPorts() {
    PortList::SystemPorts provider;
    {
        std::lock_guard lock(state().mutex);
        provider = state().systemPorts;
    }
    QList<PortDevice> devices = provider ? providedPorts(provider) : SystemDevices::machinePorts();
    devices.append(SystemDevices::existingExtraPorts(SystemDevices::extraPaths()));
    QList<PortNumbering::Numbered> numbered;
    {
        std::lock_guard lock(state().mutex);
        numbered = state().numbering.update(devices);
    }
    QList<SerialPortEntry> ports;
    for (const auto& [number, device] : numbered)
        ports.append({QStringLiteral("COM%1").arg(number), device.path, device.description,
                      device.identity});
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
    s.numbering = PortNumbering();
    return provider;
}

QString PortList::devicePathFor(int portNumber) {
    auto& s = state();
    {
        std::lock_guard lock(s.mutex);
        if (s.scanned) {
            const QString name = QStringLiteral("COM%1").arg(portNumber);
            for (const SerialPortEntry& port : s.ports)
                if (port.name == name)
                    return port.devicePath;
            return QString();
        }
    }
    scan();
    return devicePathFor(portNumber);
}
