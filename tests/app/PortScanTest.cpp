#include "app/PortScan.h"

#include <gtest/gtest.h>

namespace {
QList<SerialPortEntry> ports(std::initializer_list<int> numbers) {
    QList<SerialPortEntry> list;
    for (int n : numbers)
        list.append({QStringLiteral("COM%1").arg(n), QStringLiteral("/dev/ttyS%1").arg(n - 1),
                     n == 3 ? QStringLiteral("USB adapter") : QString()});
    return list;
}
} // namespace

TEST(PortCaption, ReadsOneOrTwoDigitsAfterCom) {
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("&COM3")), 3);
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("&COM12")), 12);
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("&COM100")), 10);
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("&COM")), std::nullopt);
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("")), std::nullopt);
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("&COMx")), std::nullopt);
    EXPECT_EQ(portNumberFromCaption(QStringLiteral("&COM1x")), std::nullopt);
}

TEST(PortScan, ChecksTheStoredPortOrReportsItLost) {
    const auto matched = PortScanResult::from(ports({3, 5}), 5);
    EXPECT_EQ(matched.outcome, PortScanResult::Outcome::Matched);
    ASSERT_EQ(matched.items.size(), 2);
    EXPECT_EQ(matched.items[0].caption, QStringLiteral("&COM3"));
    EXPECT_EQ(matched.items[0].deviceName, QStringLiteral("COM3"));
    EXPECT_FALSE(matched.items[0].checked);
    EXPECT_TRUE(matched.items[1].checked);
    EXPECT_EQ(portItemTip(matched.items[0]), QStringLiteral("/dev/ttyS2 - USB adapter"));
    EXPECT_EQ(portItemTip(matched.items[1]), QStringLiteral("/dev/ttyS4"));

    const auto lost = PortScanResult::from(ports({3, 5}), 1);
    EXPECT_EQ(lost.outcome, PortScanResult::Outcome::StoredPortLost);
    EXPECT_FALSE(lost.items[0].checked || lost.items[1].checked);

    EXPECT_EQ(PortScanResult::from({}, 1).outcome, PortScanResult::Outcome::NoPorts);
    // A stored port 0 or above the menu never matches a real port.
    EXPECT_EQ(PortScanResult::from(ports({1, 2}), 0).outcome,
              PortScanResult::Outcome::StoredPortLost);
}

TEST(PortScan, ShowsAtMostNineteenPorts) {
    QList<SerialPortEntry> many;
    for (int n = 1; n <= 25; ++n)
        many.append({QStringLiteral("COM%1").arg(n), QStringLiteral("/dev/x%1").arg(n), {}});
    const auto scan = PortScanResult::from(many, 22);
    EXPECT_EQ(scan.items.size(), PortScanResult::MaxItems);
    EXPECT_EQ(scan.items.last().caption, QStringLiteral("&COM19"));
    EXPECT_EQ(scan.outcome, PortScanResult::Outcome::StoredPortLost);
}
