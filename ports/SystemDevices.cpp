#include "ports/SystemDevices.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

namespace SystemDevices {

QString byIdName(const QString& devicePath, const QString& byIdDir) {
    const QString target = QFileInfo(devicePath).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const auto links =
        QDir(byIdDir).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& link : links) {
        if (link.isSymLink() && link.canonicalFilePath() == target)
            return link.fileName();
    }
    return {};
}

QList<PortDevice> machinePorts() {
    QList<PortDevice> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const auto& info : infos) {
        PortDevice device{info.systemLocation(), info.description(), {}, {}};
        device.kind = nodeKind(device.path);
        device.identity = byIdName(device.path, QStringLiteral("/dev/serial/by-id"));
        if (device.identity.isEmpty() && info.hasVendorIdentifier() &&
            !info.serialNumber().isEmpty())
            device.identity = QStringLiteral("usb-%1:%2-%3")
                                  .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                                  .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                                  .arg(info.serialNumber());
        ports.append(device);
    }
    // The system reports devices in no promised order; by path, COMn points at
    // the same device in every run on an unchanged machine.
    std::sort(ports.begin(), ports.end(),
              [](const PortDevice& a, const PortDevice& b) { return a.path < b.path; });
    return ports;
}

QStringList extraPaths() {
    return qEnvironmentVariable("QUELVOX_EXTRA_PORTS").split(u':', Qt::SkipEmptyParts);
}

QList<PortDevice> existingExtraPorts(const QStringList& paths) {
    QList<PortDevice> ports;
    for (const QString& path : paths) {
        if (QFileInfo::exists(path))
            ports.append({path, {}, {}, QStringLiteral("path")});
    }
    return ports;
}

} // namespace SystemDevices
