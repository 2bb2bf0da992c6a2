#include "app/PortMenuFollow.h"

#include "i18n/Messages.h"

namespace {

bool sameRows(const QList<PortScanResult::Item>& a, const QList<PortScanResult::Item>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.caption == y.caption && x.devicePath == y.devicePath &&
               x.description == y.description && x.checked == y.checked;
    });
}

} // namespace

void PortMenuFollow::scanned(const PortScanResult& scan) {
    // A scan that found nothing leaves the menu as it was.
    if (scan.outcome == PortScanResult::Outcome::NoPorts)
        return;
    shown_ = scan.items;
    away_ = scan.outcome != PortScanResult::Outcome::Matched;
}

void PortMenuFollow::chosen(int index) {
    for (qsizetype i = 0; i < shown_.size(); ++i)
        shown_[i].checked = i == index;
    away_ = false;
}

std::optional<PortScanResult> PortMenuFollow::follow(const QList<SerialPortEntry>& ports,
                                                     int storedPort) {
    PortScanResult rows = PortScanResult::from(ports, storedPort);
    const bool away = rows.outcome != PortScanResult::Outcome::Matched;
    if (sameRows(rows.items, shown_) && away == away_)
        return std::nullopt;
    shown_ = rows.items;
    away_ = away;
    return rows;
}

QString portReport(int portNumber, bool away) {
    QString report = i18n::text(i18n::Msg::PortSettingsHeading) +
                     QStringLiteral("\n > Port:     COM %1\n > Baudrate: 115200\n").arg(portNumber);
    if (away)
        report += i18n::text(i18n::Msg::PortUnplugged) + u'\n';
    return report;
}
