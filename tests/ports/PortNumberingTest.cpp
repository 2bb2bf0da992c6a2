// The numbering rules against a device source the test drives: devices come,
// go and come back under other node names.
#include "ports/PortNumbering.h"
#include "serial/PortList.h"

#include <gtest/gtest.h>

namespace {

PortDevice dev(const QString& path, const QString& identity = {}) {
    return {path, {}, identity, nodeKind(path)};
}

// "1:/dev/ttyUSB0 3:/dev/ttyS0"
QString shown(const QList<PortNumbering::Numbered>& ports) {
    QStringList parts;
    for (const auto& port : ports)
        parts << QStringLiteral("%1:%2").arg(port.number).arg(port.device.path);
    return parts.join(u' ');
}

const PortDevice usbA = dev("/dev/ttyUSB0", "usb-FTDI_FT232R_A1-if00-port0");
const PortDevice usbAasUsb1 = dev("/dev/ttyUSB1", "usb-FTDI_FT232R_A1-if00-port0");
const PortDevice usbB = dev("/dev/ttyUSB1", "usb-Prolific_PL2303_B2-if00-port0");
const PortDevice usbBasUsb0 = dev("/dev/ttyUSB0", "usb-Prolific_PL2303_B2-if00-port0");
const PortDevice usbC = dev("/dev/ttyUSB2", "usb-1a86:7523-C3");
const PortDevice acmWithAsName = dev("/dev/ttyACM0", "usb-FTDI_FT232R_A1-if00-port0");
const PortDevice uart = dev("/dev/ttyS0");
const PortDevice extra = {"/tmp/receiver", {}, {}, "path"};

struct Step {
    QList<PortDevice> present;
    QString expected;
};

struct Case {
    const char* name;
    QList<Step> steps;
};

} // namespace

TEST(PortNumbering, FollowsDevicesThatComeAndGo) {
    const Case cases[] = {
        {"start order is the order given",
         {{{uart, usbA, usbB, extra},
           "1:/dev/ttyS0 2:/dev/ttyUSB0 3:/dev/ttyUSB1 4:/tmp/receiver"}}},
        {"a port keeps its number while others go",
         {{{usbA, usbB, extra}, "1:/dev/ttyUSB0 2:/dev/ttyUSB1 3:/tmp/receiver"},
          {{usbB, extra}, "2:/dev/ttyUSB1 3:/tmp/receiver"},
          {{extra}, "3:/tmp/receiver"}}},
        {"an adapter back under another node is the same port",
         {{{usbA, usbB}, "1:/dev/ttyUSB0 2:/dev/ttyUSB1"},
          {{usbB}, "2:/dev/ttyUSB1"},
          {{usbBasUsb0}, "2:/dev/ttyUSB0"},
          {{usbBasUsb0, usbAasUsb1}, "1:/dev/ttyUSB1 2:/dev/ttyUSB0"}}},
        {"a new device takes a free number, not one kept for a device away",
         {{{usbA, usbB}, "1:/dev/ttyUSB0 2:/dev/ttyUSB1"},
          {{usbB}, "2:/dev/ttyUSB1"},
          {{usbB, usbC}, "2:/dev/ttyUSB1 3:/dev/ttyUSB2"},
          {{usbA, usbB, usbC}, "1:/dev/ttyUSB0 2:/dev/ttyUSB1 3:/dev/ttyUSB2"}}},
        {"a by-id name now leading to another kind of device is a new port",
         {{{usbA}, "1:/dev/ttyUSB0"}, {{}, ""}, {{acmWithAsName}, "2:/dev/ttyACM0"}}},
        {"a flapping device never makes the list grow",
         {{{usbA, usbB}, "1:/dev/ttyUSB0 2:/dev/ttyUSB1"},
          {{usbB}, "2:/dev/ttyUSB1"},
          {{usbA, usbB}, "1:/dev/ttyUSB0 2:/dev/ttyUSB1"},
          {{usbB}, "2:/dev/ttyUSB1"},
          {{usbAasUsb1, usbBasUsb0}, "1:/dev/ttyUSB1 2:/dev/ttyUSB0"}}},
        {"without an identity the path is the port",
         {{{uart, extra}, "1:/dev/ttyS0 2:/tmp/receiver"},
          {{extra}, "2:/tmp/receiver"},
          {{uart, extra}, "1:/dev/ttyS0 2:/tmp/receiver"}}},
    };
    for (const Case& c : cases) {
        PortNumbering numbering;
        int step = 0;
        for (const Step& s : c.steps)
            EXPECT_EQ(shown(numbering.update(s.present)), s.expected)
                << c.name << ", step " << ++step;
    }
}

TEST(PortNumbering, WithEveryMenuNumberTakenTheDeviceAwayLongestGivesWay) {
    QList<PortDevice> all;
    for (int i = 0; i < 19; ++i)
        all << dev(QStringLiteral("/dev/ttyUSB%1").arg(i), QStringLiteral("adapter-%1").arg(i));
    PortNumbering numbering;
    ASSERT_EQ(numbering.update(all).size(), 19);
    QList<PortDevice> present = all;
    present.removeAt(4); // COM5 goes first
    numbering.update(present);
    present.removeAt(5); // then COM7
    numbering.update(present);
    present << dev("/dev/ttyACM0", "modem");
    const auto ports = numbering.update(present);
    ASSERT_EQ(ports.size(), 18);
    EXPECT_EQ(ports[4].number, 5);
    EXPECT_EQ(ports[4].device.path, "/dev/ttyACM0");
}

TEST(PortList, RescansKeepTheNumbersOfTheRun) {
    QList<SerialPortEntry> system = {{"", "/dev/ttyUSB0", "A", "usb-A"},
                                     {"", "/dev/ttyUSB1", "B", "usb-B"}};
    auto previous = PortList::setSystemPorts([&system] { return system; });
    ASSERT_EQ(PortList::scan().size(), 2);
    system = {{"", "/dev/ttyUSB0", "B", "usb-B"}}; // A pulled, B renamed by the kernel
    const auto ports = PortList::scan();
    ASSERT_EQ(ports.size(), 1);
    EXPECT_EQ(ports[0].name, "COM2");
    EXPECT_EQ(ports[0].identity, "usb-B");
    EXPECT_EQ(PortList::devicePathFor(2), "/dev/ttyUSB0");
    EXPECT_EQ(PortList::devicePathFor(1), "");
    PortList::setSystemPorts(previous);
}
