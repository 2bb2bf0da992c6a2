// TComThread: the list receive on its own thread. First with the scripted
// port, then over a real pseudo-terminal against the stand-in receiver.
#include "serial/ComThread.h"
#include "serial/CommError.h"
#include "serial/CommPort.h"
#include "tests/serial/ListStreams.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/ScriptedPort.h"
#include "tests/support/SimProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <future>

namespace {

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct FinishedFlag {
    explicit FinishedFlag(TComThread& thread) {
        QObject::connect(&thread, &QThread::finished, [this] { fired = true; });
    }
    std::atomic<bool> fired{false};
};

TEST(TComThread, RunsTheReceiveAndSignalsCompletion) {
    VirtualClock clock;
    ScriptedPort port(clock);
    TransferRecorder host;
    const std::string body = list_streams::image();
    port.respondTo("400\r\n", {ScriptedPort::chunk(list_streams::menu())});
    port.respondTo("500\r\n", {ScriptedPort::chunk(list_streams::framed(body))});
    std::remove("scripted-log.txt");

    TComThread thread(port, host, clock);
    thread.setLogPath("scripted-log.txt");
    FinishedFlag finished(thread);
    thread.start();
    ASSERT_TRUE(thread.wait(10000));
    EXPECT_TRUE(finished.fired);
    EXPECT_FALSE(thread.failed());
    EXPECT_EQ(host.receivedStatus(), 1);
    EXPECT_TRUE(host.received() == std::vector<uint8_t>(body.begin(), body.end()));
    EXPECT_EQ(readLines("scripted-log.txt").back(), "Terminate");
}

TEST(TComThread, LineDropEndsTheRunWithTheFailureRecorded) {
    VirtualClock clock;
    ScriptedPort port(clock);
    TransferRecorder host;
    port.respondTo("400\r\n", {ScriptedPort::chunk(list_streams::menu())});
    port.respondTo("500\r\n", {ScriptedPort::chunk("Start Upload---" + std::string(3000, 'x')),
                               ScriptedPort::error(CE_ReadFailed)});
    std::remove("dropped-log.txt");

    TComThread thread(port, host, clock);
    thread.setLogPath("dropped-log.txt");
    FinishedFlag finished(thread);
    thread.start();
    ASSERT_TRUE(thread.wait(10000));
    EXPECT_TRUE(finished.fired);
    EXPECT_TRUE(thread.failed());
    EXPECT_EQ(thread.errorCode(), CE_ReadFailed);
    EXPECT_EQ(host.receivedStatus(), 0);
    EXPECT_FALSE(std::ifstream("dropped-log.txt").good());
}

TEST(TComThread, CancelFromAnotherThreadEndsWithoutStandby) {
    VirtualClock clock;
    ScriptedPort port(clock);
    TransferRecorder host;
    port.respondTo("400\r\n", {ScriptedPort::chunk(list_streams::menu())});
    port.respondTo("500\r\n", {ScriptedPort::chunk(list_streams::framed(list_streams::image()))});
    std::promise<void> reading;
    std::promise<void> cancelled;
    auto cancelDone = cancelled.get_future();
    port.setOnRead([&] {
        if (port.readCount() == 40) { // the worker waits here for the cancel
            reading.set_value();
            cancelDone.wait();
        }
    });
    TComThread thread(port, host, clock);
    thread.setLogPath("cancel-log.txt");
    thread.start();
    reading.get_future().wait();
    thread.CancelByUser();
    cancelled.set_value();
    ASSERT_TRUE(thread.wait(10000));
    const auto log = thread.log();
    EXPECT_EQ(log[log.size() - 2], "Cancel by User");
    EXPECT_EQ(log.back(), "Terminate");
    EXPECT_EQ(port.written(), "400\r\n500\r\n");
    EXPECT_TRUE(host.userCancelled());
    EXPECT_EQ(host.receivedStatus(), 0);
}

// Over a pseudo-terminal: the 1274 ms read time-outs are real; the dialogue's
// own pauses (70 ms per command byte, 100 ms, the 5 s after standby) are
// compressed.
class ComThreadOnLine : public ::testing::Test {
protected:
    static constexpr double kSpeedup = 25.0;
    SteadyClock clock{kSpeedup};
    TransferRecorder host;
};

TEST_F(ComThreadOnLine, ReceivedListIsByteIdenticalToTheServedOne) {
    std::string served(ListImageBytes, '\0');
    for (size_t i = 0; i < served.size(); ++i)
        served[i] = static_cast<char>((i * 131 + 17) >> 3);
    std::ofstream("served.lst", std::ios::binary).write(served.data(), served.size());
    std::remove("logRead.txt");

    SimProcess sim({"--list", "served.lst", "--speedup", "25", "--transcript", "sim.txt"});
    TCommPort port(clock);
    port.SetPort(sim.devicePath());
    port.SetBaudRate(115200);
    port.Open();
    TComThread thread(port, host, clock);
    FinishedFlag finished(thread);
    thread.start();
    ASSERT_TRUE(thread.wait(30000));
    port.Close();

    EXPECT_TRUE(finished.fired);
    EXPECT_FALSE(thread.failed());
    EXPECT_EQ(host.receivedStatus(), 1);
    ASSERT_EQ(host.receivedSize(), ListImageBytes);
    EXPECT_TRUE(host.received() == std::vector<uint8_t>(served.begin(), served.end()));

    const auto log = readLines("logRead.txt");
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(log[0], "Receiving channel list");
    EXPECT_EQ(log[1], "SendHelp");
    EXPECT_EQ(log[2], "Verbindung mit Receiver hergestellt");
    EXPECT_EQ(log[log.size() - 3], "Senderliste vollst\xE4ndig empfangen");
    EXPECT_EQ(log.back(), "Terminate");

    // The receiver heard help, the request and standby, each as a command line.
    const auto heard = readLines("sim.txt");
    std::string all;
    for (const auto& line : heard)
        all += line.substr(line.find(' ') + 1);
    EXPECT_EQ(all, "400\\r\\n500\\r\\n300\\r\\n");
}

TEST_F(ComThreadOnLine, LineDropDuringTheStreamIsRecordedNotHung) {
    std::remove("logRead.txt");
    SimProcess sim({"--drop-after", "60000", "--speedup", "25"});
    TCommPort port(clock);
    port.SetPort(sim.devicePath());
    port.SetBaudRate(115200);
    port.Open();
    TComThread thread(port, host, clock);
    FinishedFlag finished(thread);
    thread.start();
    ASSERT_TRUE(thread.wait(30000));
    port.Close();

    EXPECT_TRUE(finished.fired);
    EXPECT_TRUE(thread.failed());
    EXPECT_EQ(thread.errorCode(), CE_ReadFailed);
    EXPECT_EQ(host.receivedStatus(), 0);
    EXPECT_FALSE(std::ifstream("logRead.txt").good());
}

TEST_F(ComThreadOnLine, StreamWithoutEndMarkerHandsNothingOver) {
    SimProcess sim({"--no-end-marker", "--speedup", "25"});
    TCommPort port(clock);
    port.SetPort(sim.devicePath());
    port.SetBaudRate(115200);
    port.Open();
    TComThread thread(port, host, clock);
    thread.start();
    ASSERT_TRUE(thread.wait(30000));
    port.Close();

    EXPECT_FALSE(thread.failed());
    EXPECT_EQ(host.receivedStatus(), 0);
    const auto log = thread.log();
    EXPECT_EQ(log[log.size() - 3], "Es ist ein Fehler w\xE4hrend der \xDC"
                                   "bertragung aufgetreten.");
    EXPECT_EQ(log[log.size() - 2], "Receiver ausschalten (Standby)");
}

} // namespace
