#pragma once

#include "ports/PortDevice.h"

#include <QList>
#include <QString>
#include <QStringList>

// The serial devices the computer has now, sorted by path, each with its
// stable identity; then the extra paths of QUELVOX_EXTRA_PORTS that exist.
namespace SystemDevices {

QList<PortDevice> machinePorts();
// The paths of QUELVOX_EXTRA_PORTS (colon-separated, empty entries skipped).
QStringList extraPaths();
// Those of the paths that exist now (a dangling link does not), as devices.
QList<PortDevice> existingExtraPorts(const QStringList& paths);

// The /dev/serial/by-id name that leads to `devicePath`, from `byIdDir`.
QString byIdName(const QString& devicePath, const QString& byIdDir);

} // namespace SystemDevices
