#include "serial/PortList.h"
#include "serial/CommPort.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(PortList, SystemPortsSortedThenExtraPaths) {
    setenv("QUELVOX_EXTRA_PORTS", "/tmp/quelvox-a::/tmp/quelvox-b", 1);
    const auto ports = PortList::scan();
    unsetenv("QUELVOX_EXTRA_PORTS");

    ASSERT_GE(ports.size(), 2);
    const auto extraStart = ports.size() - 2;
    for (qsizetype i = 0; i < ports.size(); ++i)
        EXPECT_EQ(ports[i].name, QStringLiteral("COM%1").arg(i + 1));
    for (qsizetype i = 1; i < extraStart; ++i)
        EXPECT_LT(ports[i - 1].devicePath, ports[i].devicePath);
    EXPECT_EQ(ports[extraStart].devicePath, "/tmp/quelvox-a");
    EXPECT_EQ(ports[extraStart + 1].devicePath, "/tmp/quelvox-b");

    // The port number resolves through the last scan.
    const int firstExtra = static_cast<int>(extraStart) + 1;
    EXPECT_EQ(PortList::devicePathFor(firstExtra), "/tmp/quelvox-a");
    EXPECT_EQ(PortList::devicePathFor(firstExtra + 1), "/tmp/quelvox-b");
    EXPECT_EQ(PortList::devicePathFor(firstExtra + 2), "");
    EXPECT_EQ(PortList::devicePathFor(0), "");
    EXPECT_EQ(PortList::devicePathFor(-1), "");

    TCommPort port;
    port.SetPort(std::to_string(firstExtra + 1));
    EXPECT_EQ(port.portName(), "COM" + std::to_string(firstExtra + 1));
    EXPECT_EQ(port.devicePath(), "/tmp/quelvox-b");
}
