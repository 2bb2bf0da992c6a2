#include "ports/PortNumbering.h"

#include <QFileInfo>

#include <algorithm>

QString nodeKind(const QString& path) {
    QString name = QFileInfo(path).fileName();
    while (!name.isEmpty() && name.back().isDigit())
        name.chop(1);
    return name;
}

int PortNumbering::freeNumber() const {
    auto holder = [this](int number) {
        return std::find_if(known_.begin(), known_.end(),
                            [number](const Known& k) { return k.number == number; });
    };
    for (int number = 1;; ++number) {
        if (holder(number) == known_.end())
            return number;
        if (number >= MaxRemembered)
            break;
    }
    // Every menu number is held: take the one of the device away the longest.
    const Known* oldest = nullptr;
    for (const Known& k : known_) {
        if (!k.present && k.number <= MaxRemembered && (!oldest || k.lastSeen < oldest->lastSeen))
            oldest = &k;
    }
    if (oldest)
        return oldest->number;
    int highest = 0;
    for (const Known& k : known_)
        highest = std::max(highest, k.number);
    return highest + 1;
}

QList<PortNumbering::Numbered> PortNumbering::update(const QList<PortDevice>& present) {
    ++updates_;
    for (Known& k : known_)
        k.present = false;
    QList<Numbered> result;
    QList<const PortDevice*> fresh;
    // Those known keep their numbers before any newcomer picks one.
    for (const PortDevice& device : present) {
        const QString key = device.key();
        auto it = std::find_if(known_.begin(), known_.end(),
                               [&](const Known& k) { return k.key == key && !k.present; });
        if (it == known_.end()) {
            fresh.append(&device);
            continue;
        }
        it->present = true;
        it->lastSeen = updates_;
        result.append({it->number, device});
    }
    for (const PortDevice* device : fresh) {
        const int number = freeNumber();
        known_.erase(std::remove_if(known_.begin(), known_.end(),
                                    [number](const Known& k) { return k.number == number; }),
                     known_.end());
        known_.append({device->key(), number, true, updates_});
        result.append({number, *device});
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const Numbered& a, const Numbered& b) { return a.number < b.number; });
    return result;
}
