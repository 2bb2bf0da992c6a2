#include "serial/PortList.h"
#include "serial/CommPort.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

TEST(PortList, SystemPortsSortedThenExtraPaths) {
    // The system reports its devices in any order; COMn follows the path.
    auto previous = PortList::setSystemPorts([] {
        return QList<SerialPortEntry>{{"", "/dev/ttyUSB1", "adapter B"},
                                      {"", "/dev/ttyS0", ""},
                                      {"", "/dev/ttyUSB0", "adapter A"},
                                      {"", "/dev/ttyACM0", "modem"}};
    });
    // Extra paths are listed only while they exist.
    QTemporaryDir dir;
    const QString a = dir.filePath("quelvox-a");
    const QString b = dir.filePath("quelvox-b");
    QFile(a).open(QIODevice::WriteOnly);
    QFile(b).open(QIODevice::WriteOnly);
    const QString missing = dir.filePath("quelvox-missing");
    setenv("QUELVOX_EXTRA_PORTS", (a + "::" + missing + ":" + b).toLocal8Bit().constData(), 1);
    const auto ports = PortList::scan();
    unsetenv("QUELVOX_EXTRA_PORTS");
    PortList::setSystemPorts(previous);

    const QStringList expected = {
        "/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB1", a, b};
    ASSERT_EQ(ports.size(), expected.size());
    for (qsizetype i = 0; i < ports.size(); ++i) {
        EXPECT_EQ(ports[i].name, QStringLiteral("COM%1").arg(i + 1));
        EXPECT_EQ(ports[i].devicePath, expected[i]);
    }
    EXPECT_EQ(ports[2].description, "adapter A"); // each keeps its own description
    EXPECT_EQ(ports[3].description, "adapter B");

    // The port number resolves through the last scan.
    EXPECT_EQ(PortList::devicePathFor(5), a);
    EXPECT_EQ(PortList::devicePathFor(6), b);
    EXPECT_EQ(PortList::devicePathFor(7), "");
    EXPECT_EQ(PortList::devicePathFor(0), "");
    EXPECT_EQ(PortList::devicePathFor(-1), "");

    TCommPort port;
    port.SetPort("6");
    EXPECT_EQ(port.portName(), "COM6");
    EXPECT_EQ(port.devicePath(), QFile::encodeName(b).toStdString());
}
