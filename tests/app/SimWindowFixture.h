#pragma once

#include "tests/app/WindowFixture.h"
#include "tests/support/SimProcess.h"

#include <memory>
#include <string>
#include <vector>

// The windows over the stand-in receiver on a pseudo-terminal: the receiver's
// line is listed as an extra port and stored as the settings' port, and the
// window's and the receiver's own pauses run 20 times faster.
class SimWindowTest : public WindowTest {
protected:
    void TearDown() override {
        WindowTest::TearDown(); // the window first: it may still use the line
        sim.reset();
        qunsetenv("QUELVOX_EXTRA_PORTS");
    }

    // Starts the receiver with these options and shows the window on its line.
    void startOn(std::vector<std::string> options) {
        options.insert(options.end(), {"--speedup", "20"});
        sim = std::make_unique<SimProcess>(options);
        qputenv("QUELVOX_EXTRA_PORTS", QByteArray::fromStdString(sim->devicePath()));
        int port = 0;
        for (const auto& entry : PortList::scan())
            if (entry.devicePath == QString::fromStdString(sim->devicePath()))
                port = entry.name.mid(3).toInt();
        ASSERT_GE(port, 1);
        ASSERT_LE(port, 19) << "the line must fit the port menu";
        writeSettings(static_cast<uint8_t>(port), 115200, 2);
        windows = std::make_unique<AppWindows>(dialogs, fastClock);
        form().show();
        dialogs.clear();
    }

    SteadyClock fastClock{20.0};
    std::unique_ptr<SimProcess> sim;
};
