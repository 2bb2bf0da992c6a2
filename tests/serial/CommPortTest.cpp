// TCommPort over real pseudo-terminals: time-outs in (compressed) real time.
#include "serial/CommPort.h"
#include "serial/ListReceive.h"
#include "tests/serial/ListStreams.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/Pty.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <termios.h>
#include <thread>
#include <utility>

namespace {

using namespace std::chrono;

int64_t elapsedMs(steady_clock::time_point since) {
    return duration_cast<milliseconds>(steady_clock::now() - since).count();
}

uint8_t codeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ECommError& error) {
        return error.ErrorCode;
    }
    return 0;
}

std::string text(const uint8_t* bytes, uint32_t count) {
    return std::string(reinterpret_cast<const char*>(bytes), count);
}

// The port counts whole milliseconds, so a time-out may end up to 1 ms early.
constexpr int64_t GrainUs = 1000;

class CommPortOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        port.SetPort(pty.slavePath());
        port.SetBaudRate(115200);
        port.SetByteSize(8);
        port.SetParity(0);
        port.SetStopBits(0);
        port.Open();
    }

    // Microseconds on the far side: from just before it sends `bytes` until
    // the byte the program writes once `action` is done arrives there. Noise
    // only ever makes this later.
    int64_t farSideUs(const std::string& bytes, const std::function<void()>& action) {
        const auto sent = steady_clock::now();
        pty.send(bytes);
        action();
        port.WriteByte('!');
        EXPECT_EQ(pty.receive(2000, 0), "!");
        return duration_cast<microseconds>(steady_clock::now() - sent).count();
    }

    speed_t currentSpeed() {
        termios tio{};
        tcgetattr(pty.slaveFd(), &tio);
        return cfgetospeed(&tio);
    }

    Pty pty;
    VirtualClock clock;
    TCommPort port{clock};
};

TEST_F(CommPortOnPty, ReadTimeOuts) {
    uint8_t buffer[65];

    // Silent line: 0 after capacity x 1 ms + 250 ms.
    auto start = steady_clock::now();
    EXPECT_EQ(port.Read(buffer, 16), 0u);
    EXPECT_GE(elapsedMs(start), 260);
    EXPECT_LT(elapsedMs(start), 600);

    // A burst ends 15 ms after its last byte, not at the total time-out.
    pty.send("hello");
    start = steady_clock::now();
    std::fill(std::begin(buffer), std::end(buffer), 0xAA);
    ASSERT_EQ(port.Read(buffer, 64), 5u);
    EXPECT_LT(elapsedMs(start), 150);
    EXPECT_EQ(text(buffer, 5), "hello");
    EXPECT_EQ(buffer[5], 0) << "fewer than capacity: terminating zero";

    // Exactly the capacity: no terminating zero.
    pty.send("12345678");
    std::fill(std::begin(buffer), std::end(buffer), 0xAA);
    ASSERT_EQ(port.Read(buffer, 8), 8u);
    EXPECT_EQ(text(buffer, 8), "12345678");
    EXPECT_EQ(buffer[8], 0xAA);

    // A gap well above 15 ms splits two bursts into two reads (wide enough
    // that a busy machine does not merge them).
    std::thread receiver([&] {
        pty.send("abc");
        std::this_thread::sleep_for(milliseconds(150));
        pty.send("def");
    });
    EXPECT_EQ(port.Read(buffer, 64), 3u);
    EXPECT_EQ(text(buffer, 3), "abc");
    receiver.join();
    EXPECT_EQ(port.Read(buffer, 64), 3u);
    EXPECT_EQ(text(buffer, 3), "def");
}

TEST_F(CommPortOnPty, TimeOutsKeepTheirContractValues) {
    uint8_t buffer[129];
    // Silent read of capacity C: C x 1 ms + 250 ms, well before C + 400 ms. The
    // first read takes the trigger byte and returns at once (capacity full).
    const int64_t silent = farSideUs("t", [&] {
        ASSERT_EQ(port.Read(buffer, 1), 1u);
        EXPECT_EQ(port.Read(buffer, 100), 0u);
    });
    EXPECT_GE(silent, (100 + 250) * 1000 - GrainUs);
    EXPECT_LT(silent, (100 + 340) * 1000);

    // A burst ends 15 ms after its last byte, well before 100 ms.
    const int64_t burst = farSideUs("hello", [&] { EXPECT_EQ(port.Read(buffer, 128), 5u); });
    EXPECT_GE(burst, 15 * 1000 - GrainUs);
    EXPECT_LT(burst, 70 * 1000);
}

TEST_F(CommPortOnPty, ListReceivePausesBeforeItsRequestInRealTime) {
    // Menu in, "500" out: the 15 ms end of the menu burst plus a 100 ms pause.
    TransferRecorder host;
    ListReceive machine(port, SteadyClock::instance(), host);
    int64_t gapUs = -1;
    std::thread receiver([&] {
        std::string heard;
        while (heard.find("400\r\n") == std::string::npos) {
            const std::string more = pty.receive(2000, 0);
            if (more.empty())
                return; // no help command: the gap stays -1 and the test fails
            heard += more;
        }
        const auto sent = steady_clock::now();
        pty.send(list_streams::menu());
        if (pty.receive(2000, 0).substr(0, 1) == "5")
            gapUs = duration_cast<microseconds>(steady_clock::now() - sent).count();
    });
    for (int pass = 0; pass < 4 && machine.phase() != ListReceive::PhaseReceive; ++pass)
        machine.pass();
    machine.pass(); // the request
    receiver.join();
    EXPECT_EQ(std::as_const(machine).dialogue().step(), ListReceive::StepReceive);
    EXPECT_GE(gapUs, (15 + 100) * 1000 - GrainUs);
    EXPECT_LT(gapUs, 1000 * 1000);
}

TEST_F(CommPortOnPty, InterruptEndsAWaitingRead) {
    uint8_t buffer[1025];
    std::thread typist([&] {
        std::this_thread::sleep_for(milliseconds(50));
        port.interruptRead();
    });
    const auto start = steady_clock::now();
    EXPECT_EQ(port.Read(buffer, 1024), 0u);
    EXPECT_LT(elapsedMs(start), 500) << "instead of 1274 ms";
    typist.join();

    // A wake-up left over from before an Open does not cut the next read.
    port.interruptRead();
    port.Close();
    port.Open();
    pty.send("x");
    EXPECT_EQ(port.Read(buffer, 16), 1u);
}

TEST_F(CommPortOnPty, VanishedPeerFailsTheReadWithoutSpinning) {
    uint8_t buffer[1025];
    pty.closeMaster();
    const auto start = steady_clock::now();
    EXPECT_EQ(codeOf([&] { port.Read(buffer, 1024); }), CE_ReadFailed);
    EXPECT_EQ(codeOf([&] { port.Read(buffer, 1024); }), CE_ReadFailed);
    EXPECT_EQ(codeOf([&] { port.WriteByte('x'); }), CE_WriteFailed);
    EXPECT_LT(elapsedMs(start), 200);
    EXPECT_TRUE(port.IsOpen()) << "the owner still closes it";
    port.Close();
}

TEST_F(CommPortOnPty, Writes) {
    const uint8_t bytes[] = {'A', 'B', 'C'};
    port.Write(bytes, 3);
    port.WriteByte(13);
    EXPECT_EQ(pty.receive(500), "ABC\r");

    // Count 0 or no data writes nothing.
    port.Write(bytes, 0);
    port.Write(nullptr, 3);
    port.Write(bytes, -1);
    EXPECT_EQ(pty.receive(50), "");

    // Paced: one byte at a time, the pauses go through the clock.
    const int64_t before = clock.nowMs();
    port.WritePaced(bytes, 3, 70);
    EXPECT_EQ(clock.nowMs() - before, 210);
    EXPECT_EQ(pty.receive(500), "ABC");
    port.WritePaced(bytes, 2, 0);
    EXPECT_EQ(pty.receive(500), "AB");
    EXPECT_EQ(clock.nowMs() - before, 210);
}

TEST_F(CommPortOnPty, OpenStatesAndSettings) {
    // Open on an open port does nothing; SetPort while open keeps the name.
    port.Open();
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(codeOf([&] { port.SetPort("3"); }), CE_PortIsOpen);
    EXPECT_EQ(port.devicePath(), pty.slavePath());
    EXPECT_EQ(port.portName(), pty.slavePath());

    // Setters on an open port apply at once, and keep the old value on failure.
    EXPECT_EQ(currentSpeed(), B115200);
    port.SetBaudRate(9600);
    EXPECT_EQ(currentSpeed(), B9600);
    EXPECT_EQ(codeOf([&] { port.SetBaudRate(12345); }), CE_BaudRate);
    EXPECT_EQ(port.baudRate(), 9600u);
    EXPECT_EQ(codeOf([&] { port.SetByteSize(9); }), CE_ByteSize);
    EXPECT_EQ(codeOf([&] { port.SetParity(7); }), CE_Parity);
    EXPECT_EQ(codeOf([&] { port.SetStopBits(1); }), CE_StopBits);
    EXPECT_TRUE(port.IsOpen());

    // A second opener of the same device is turned away.
    TCommPort second(clock);
    second.SetPort(pty.slavePath());
    EXPECT_EQ(codeOf([&] { second.Open(); }), CE_OpenFailed);
    EXPECT_FALSE(second.IsOpen());

    // Closed: setters only store; the next Open applies (and fails on a bad rate).
    port.Close();
    EXPECT_FALSE(port.IsOpen());
    port.Close();
    port.SetBaudRate(12345);
    EXPECT_EQ(codeOf([&] { port.Open(); }), CE_SetState);
    EXPECT_FALSE(port.IsOpen());
    port.SetBaudRate(57600);
    port.Open();
    EXPECT_EQ(currentSpeed(), B57600);
}

TEST(CommPort, ClosedPortRefusesIo) {
    VirtualClock clock;
    TCommPort port(clock);
    uint8_t buffer[17];
    const uint8_t byte = 'x';
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.portName(), "COM1");
    EXPECT_EQ(port.baudRate(), 9600u);
    EXPECT_EQ(codeOf([&] { port.Write(&byte, 1); }), CE_NotOpen);
    EXPECT_EQ(codeOf([&] { port.Write(nullptr, 0); }), CE_NotOpen);
    EXPECT_EQ(codeOf([&] { port.WritePaced(&byte, 1, 70); }), CE_NotOpen);
    EXPECT_EQ(codeOf([&] { port.WriteByte(byte); }), CE_NotOpen);
    EXPECT_EQ(codeOf([&] { port.Read(buffer, 16); }), CE_NotOpen);
    EXPECT_EQ(codeOf([&] { port.Flush(); }), CE_NotOpen);
    EXPECT_EQ(clock.nowMs(), 0);
}

TEST(CommPort, OpenFailures) {
    VirtualClock clock;
    TCommPort port(clock);

    // Not a terminal: reading its settings fails.
    for (const char* path : {"/dev/null", "./plain-file.bin"}) {
        if (std::string(path) != "/dev/null") {
            FILE* file = std::fopen(path, "wb");
            ASSERT_NE(file, nullptr);
            std::fclose(file);
        }
        port.SetPort(path);
        EXPECT_EQ(codeOf([&] { port.Open(); }), CE_GetState) << path;
        EXPECT_FALSE(port.IsOpen());
    }

    // No such device; no such port number; a port text that is no number.
    port.SetPort("/dev/quelvox-no-such-device");
    EXPECT_EQ(codeOf([&] { port.Open(); }), CE_OpenFailed);
    port.SetPort("99");
    EXPECT_EQ(port.portName(), "COM99");
    EXPECT_EQ(port.devicePath(), "");
    EXPECT_EQ(codeOf([&] { port.Open(); }), CE_OpenFailed);
    port.SetPort("x1");
    EXPECT_EQ(codeOf([&] { port.Open(); }), CE_OpenFailed);
    EXPECT_FALSE(port.IsOpen());
}

TEST(CommPort, EveryErrorIsAnnounced) {
    std::vector<int> announced;
    auto previous = ECommError::setNotifier(
        [&](const ECommError& error) { announced.push_back(error.ErrorCode); });
    VirtualClock clock;
    TCommPort port(clock);
    EXPECT_EQ(codeOf([&] { port.Flush(); }), CE_NotOpen);
    port.SetPort("/dev/null");
    EXPECT_EQ(codeOf([&] { port.Open(); }), CE_GetState);
    ECommError::setNotifier(previous);
    EXPECT_EQ(announced, (std::vector<int>{CE_NotOpen, CE_GetState}));
}

} // namespace
