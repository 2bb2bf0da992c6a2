// When the terminal reopens a lost line: the same device under its old
// number, never another one, a refusal once per return, nothing after stop.
#include "transfer/TerminalReconnect.h"

#include <gtest/gtest.h>

namespace {

const SerialPortEntry adapter{"COM2", "/dev/ttyUSB0", "FT232R", "usb-FTDI_A1"};
const SerialPortEntry adapterAsUsb1{"COM2", "/dev/ttyUSB1", "FT232R", "usb-FTDI_A1"};
const SerialPortEntry otherAdapter{"COM3", "/dev/ttyUSB0", "PL2303", "usb-Prolific_B2"};
const SerialPortEntry receiverPath{"COM4", "/tmp/receiver", "", ""};

} // namespace

TEST(TerminalReconnect, OpensAgainOnlyForTheSameDevice) {
    const struct {
        const char* name;
        SerialPortEntry online;
        QList<QList<SerialPortEntry>> lists; // port lists after the loss, in turn
        int reopenedAt;                      // index of the list that brings it back, -1 never
    } cases[] = {
        {"back under another node", adapter, {{}, {otherAdapter}, {adapterAsUsb1}}, 2},
        {"another device on the old node", adapter, {{otherAdapter}}, -1},
        {"a path, back at the same path", receiverPath, {{}, {receiverPath}}, 1},
        {"still there (reads failed)", adapter, {{adapter}}, 0},
    };
    for (const auto& c : cases) {
        TerminalReconnect reconnect;
        reconnect.online(c.online);
        EXPECT_FALSE(reconnect.returned(c.lists.back())) << c.name; // online: nothing to do
        reconnect.lineLost();
        int at = -1;
        for (int i = 0; i < c.lists.size() && at < 0; ++i)
            if (reconnect.returned(c.lists[i]))
                at = i;
        EXPECT_EQ(at, c.reopenedAt) << c.name;
    }
}

TEST(TerminalReconnect, ARefusedDeviceIsTriedAgainOnlyAfterItCameBack) {
    TerminalReconnect reconnect;
    reconnect.online(adapter);
    reconnect.lineLost();
    ASSERT_TRUE(reconnect.returned({adapter}));
    reconnect.reopenFailed(/*permissionDenied*/ true);
    EXPECT_TRUE(reconnect.waiting());
    EXPECT_FALSE(reconnect.returned({adapter})); // no loop of boxes
    EXPECT_FALSE(reconnect.returned({}));
    EXPECT_TRUE(reconnect.returned({adapterAsUsb1}));
    reconnect.reopenFailed(/*permissionDenied*/ false); // gone again at once
    EXPECT_TRUE(reconnect.returned({adapter}));
    reconnect.reopened();
    EXPECT_FALSE(reconnect.waiting());

    reconnect.lineLost();
    reconnect.stop(); // Off Line, a transfer, another port, closing the window
    EXPECT_FALSE(reconnect.waiting());
    EXPECT_FALSE(reconnect.returned({adapter}));
}
