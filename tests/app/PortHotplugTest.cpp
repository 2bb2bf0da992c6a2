// The port menu while adapters are plugged and unplugged: a device source the
// test drives stands for the machine's devices, the window's own watch is
// nudged as udev would.
#include "tests/app/WindowFixture.h"

#include "ports/DeviceWatch.h"
#include "serial/PortList.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

class PortHotplugTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        saved = PortList::setSystemPorts([this] { return devices; });
    }
    void TearDown() override {
        WindowTest::TearDown();
        PortList::setSystemPorts(saved);
    }
    void plug(const char* node, const char* identity) {
        devices.append(
            {{}, QStringLiteral("/dev/%1").arg(node), {}, QString::fromLatin1(identity)});
    }
    void unplug(const char* identity) {
        devices.removeIf([identity](const SerialPortEntry& e) { return e.identity == identity; });
    }
    // The watch reports; true once it has (the window has followed by then).
    bool settle() {
        auto* watch = form().findChild<DeviceWatch*>();
        int changes = 0;
        auto counting = QObject::connect(watch, &DeviceWatch::changed, [&changes] { ++changes; });
        watch->nudge();
        const bool reported = waitFor([&changes] { return changes > 0; });
        QObject::disconnect(counting);
        return reported;
    }
    // The visible items of the port menu, the checked one marked with '*'.
    QStringList menuRows() {
        QStringList rows;
        for (QAction* item : portItems())
            if (item->isVisible())
                rows << item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
        return rows;
    }
    QString view() { return control<QPlainTextEdit>("RichEdit1")->toPlainText(); }
    static QString report(int port, bool away = false) {
        return QStringLiteral("Aktuelle Port-Einstellungen:\n > Port:     COM %1\n > Baudrate: "
                              "115200\n%2")
            .arg(port)
            .arg(away ? QStringLiteral(" > Ger\u00e4t nicht angeschlossen\n") : QString());
    }

    QList<SerialPortEntry> devices;
    PortList::SystemPorts saved;
};

} // namespace

TEST_F(PortHotplugTest, MenuCheckAndReportFollowTheDevices) {
    writeSettings(2, 115200, 2);
    plug("ttyUSB0", "usb-A");
    plug("ttyUSB1", "usb-B");
    start();
    form().show();
    ASSERT_EQ(menuRows(), (QStringList{"&COM1", "&COM2*"}));

    const struct {
        const char* step;
        std::function<void()> change;
        QStringList rows;
        QString comboFirst;
        bool away;
    } steps[] = {
        {"nothing comes or goes", [] {}, {"&COM1", "&COM2*"}, "COM1", false},
        {"the chosen one goes", [this] { unplug("usb-B"); }, {"&COM1"}, "COM1", true},
        {"a new one takes a free number",
         [this] { plug("ttyUSB1", "usb-C"); },
         {"&COM1", "&COM3"},
         "COM1",
         true},
        {"the first goes: nobody is renumbered",
         [this] { unplug("usb-A"); },
         {"&COM3"},
         "COM3",
         true},
        {"the chosen one is back under another node",
         [this] { plug("ttyUSB2", "usb-B"); },
         {"&COM2*", "&COM3"},
         "COM2",
         false},
        {"everything goes: the menu empties, the names stay",
         [this] { devices.clear(); },
         {},
         "COM2",
         true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.step);
        step.change();
        ASSERT_TRUE(settle());
        EXPECT_EQ(menuRows(), step.rows);
        EXPECT_EQ(control<QComboBox>("CBoxPortName")->itemText(0), step.comboFirst);
        EXPECT_EQ(form().settings().PortNumber, 2); // the user's choice persists
        EXPECT_EQ(view(), report(2, step.away));
    }
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(PortHotplugTest, TerminalTextAndARunningTransferAreLeftAlone) {
    writeSettings(1, 115200, 2);
    plug("ttyUSB0", "usb-A");
    start();
    form().show();
    control<QPlainTextEdit>("RichEdit1")->setPlainText(QStringLiteral("receiver says hello\n"));
    form().transfer().ListBusy = true;
    plug("ttyUSB1", "usb-B");
    ASSERT_TRUE(settle());
    EXPECT_EQ(menuRows(), (QStringList{"&COM1*", "&COM2"}));
    EXPECT_EQ(control<QComboBox>("CBoxPortName")->count(), 1); // the running port's names stay
    EXPECT_EQ(view(), QStringLiteral("receiver says hello\n"));
    form().transfer().ListBusy = false;
}

TEST_F(PortHotplugTest, AFlappingDeviceKeepsItsNumber) {
    writeSettings(1, 115200, 2);
    plug("ttyUSB0", "usb-A");
    start();
    form().show();
    auto* watch = form().findChild<DeviceWatch*>();
    for (int i = 0; i < 40; ++i) { // many times a second, on ever other nodes
        if (i % 2 == 0)
            plug(i % 4 == 0 ? "ttyUSB1" : "ttyUSB2", "usb-B");
        else
            unplug("usb-B");
        watch->nudge();
        waitFor([] { return false; }, 20);
    }
    plug("ttyUSB3", "usb-B");
    ASSERT_TRUE(settle());
    EXPECT_EQ(menuRows(), (QStringList{"&COM1*", "&COM2"}));
    EXPECT_EQ(view(), report(1));
}

TEST_F(PortHotplugTest, ChoosingAPortThatIsThereWhileTheStoredOneIsAway) {
    writeSettings(2, 115200, 2);
    plug("ttyUSB0", "usb-A");
    plug("ttyUSB1", "usb-B");
    start();
    form().show();
    unplug("usb-B");
    ASSERT_TRUE(settle());
    ASSERT_EQ(view(), report(2, true));
    form().portItemClick(0);
    EXPECT_EQ(menuRows(), (QStringList{"&COM1*"}));
    EXPECT_EQ(view(), report(1));
}
