#pragma once

#include "ports/PortDevice.h"

#include <QList>

// COM numbers that stay put for the whole run. The first call numbers the
// devices 1, 2, ... in the order given (the start order). Later calls keep the
// number of every device still there; a device that comes back (same identity,
// same kind, whatever its node is called now) gets its old number again; a new
// one takes the lowest number that is neither in use nor remembered for a
// device that is away, and only when all of 1..MaxRemembered are taken the
// number of a device that is away the longest. Nobody else is renumbered.
class PortNumbering {
public:
    static constexpr int MaxRemembered = 19; // the port menu's items

    struct Numbered {
        int number = 0;
        PortDevice device;
        bool operator==(const Numbered&) const = default;
    };

    // The devices present now, in the order of a fresh start; the result is
    // ordered by number.
    QList<Numbered> update(const QList<PortDevice>& present);

private:
    struct Known {
        QString key;
        int number = 0;
        bool present = false;
        quint64 lastSeen = 0; // update count when it was last present
    };
    int freeNumber() const;

    QList<Known> known_;
    quint64 updates_ = 0;
};
