#pragma once

#include <QList>
#include <QString>

// A serial device as the port list sees it at one moment.
struct PortDevice {
    QString path;        // "/dev/ttyUSB0", or an extra path as given
    QString description; // what the system says about it, may be empty
    // What stays the same when the device comes back under another node name:
    // its /dev/serial/by-id name, else "usb-VID:PID-SERIAL"; empty when it has
    // neither (then the path is all there is to know it by).
    QString identity;
    // The kind of device node ("ttyUSB", "ttyACM", "ttyS"; "path" for an extra
    // path): a by-id name that now leads to a node of another kind is another
    // device, not the old port back.
    QString kind;

    QString key() const { return (identity.isEmpty() ? path : identity) + u'\n' + kind; }
    bool operator==(const PortDevice&) const = default;
};

// "ttyUSB1" -> "ttyUSB": the node name without its number.
QString nodeKind(const QString& path);
