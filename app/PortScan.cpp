#include "app/PortScan.h"

std::optional<int> portNumberFromCaption(const QString& caption) {
    if (caption.size() < 5 || !caption.at(4).isDigit())
        return std::nullopt;
    const int first = caption.at(4).digitValue();
    if (caption.size() == 5)
        return first;
    if (!caption.at(5).isDigit())
        return std::nullopt;
    return 10 * first + caption.at(5).digitValue();
}

PortScanResult PortScanResult::from(const QList<SerialPortEntry>& ports, int storedPort) {
    PortScanResult result;
    if (ports.isEmpty())
        return result;
    const auto count = std::min<qsizetype>(ports.size(), MaxItems);
    bool matched = false;
    for (qsizetype i = 0; i < count; ++i) {
        Item item;
        item.deviceName = ports[i].name;
        item.devicePath = ports[i].devicePath;
        item.description = ports[i].description;
        item.caption = QStringLiteral("&") + item.deviceName;
        const auto number = portNumberFromCaption(item.caption);
        if (number && *number == storedPort) {
            item.checked = true;
            matched = true;
        }
        result.items.append(item);
    }
    result.outcome = matched ? Outcome::Matched : Outcome::StoredPortLost;
    return result;
}

QString portItemTip(const PortScanResult::Item& item) {
    if (item.description.isEmpty())
        return item.devicePath;
    return item.devicePath + QStringLiteral(" - ") + item.description;
}
