// The terminal's worker thread: a scripted receiver in virtual time, a real
// thread. Bounds are the protocol's, in virtual time; the wall-clock limits
// only catch a hang, so a loaded machine cannot fail these tests.
#include "serial/TermThread.h"
#include "tests/serial/RecordingHost.h"
#include "tests/support/ScriptedPort.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

namespace {

using namespace std::chrono;

constexpr int kHangGuardMs = 120000;

bool eventually(const std::function<bool()>& condition) {
    const auto until = steady_clock::now() + milliseconds(kHangGuardMs);
    while (!condition()) {
        if (steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(milliseconds(1));
    }
    return true;
}

class TermThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove(TerminalSession::DefaultLogPath);
        // Silent reads return at once in virtual time; let the test thread in.
        port.setOnRead([] { std::this_thread::sleep_for(milliseconds(1)); });
        QObject::connect(&thread, &QThread::finished, [this] { finishedFired = true; });
    }

    VirtualClock clock;
    ScriptedPort port{clock};
    RecordingHost host;
    TTermThread thread{port, host, clock};
    std::atomic<bool> finishedFired{false};
};

TEST_F(TermThreadTest, ShowsTextSendsLinesAndWindsUpOnCancel) {
    thread.start();
    port.queue(ScriptedPort::chunk("Main menu\r\n"));
    ASSERT_TRUE(eventually([&] { return host.shown() == "Main menu\r\n"; }));

    for (char c : std::string("400"))
        thread.appendChar(c);
    EXPECT_GE(port.interruptCount(), 3u) << "typing ends a waiting read";
    port.queue(ScriptedPort::chunk("not while typing"));
    std::this_thread::sleep_for(milliseconds(30));
    EXPECT_EQ(port.written(), "");
    thread.appendChar('\r');
    ASSERT_TRUE(eventually([&] { return port.written() == "400\r\n"; }));
    ASSERT_TRUE(
        eventually([&] { return host.shown().find("not while typing") != std::string::npos; }));

    // Cancel takes effect after the read under way: one silent read at most.
    const int64_t cancelledAt = clock.nowMs();
    thread.CancelByUser();
    ASSERT_TRUE(thread.wait(QDeadlineTimer(kHangGuardMs)));
    EXPECT_LE(clock.nowMs() - cancelledAt, 1024 + ScriptedPort::SilenceConstantMs);
    EXPECT_TRUE(finishedFired);
    EXPECT_FALSE(thread.failed());
    EXPECT_TRUE(host.userCancelled());
    const auto log = thread.session().log();
    EXPECT_EQ(log, (std::vector<std::string>{"just Receiving", "Send CMD :   4", "Cancel by User",
                                             "Terminate"}));
    FILE* file = std::fopen("logTerm.txt", "rb");
    EXPECT_NE(file, nullptr);
    if (file)
        std::fclose(file);
}

TEST_F(TermThreadTest, SerialErrorEndsTheThreadWithoutLog) {
    port.queue(ScriptedPort::error(CE_ReadFailed));
    thread.start();
    ASSERT_TRUE(thread.wait(QDeadlineTimer(kHangGuardMs)));
    EXPECT_TRUE(finishedFired);
    EXPECT_TRUE(thread.failed());
    EXPECT_EQ(thread.errorCode(), CE_ReadFailed);
    EXPECT_EQ(std::fopen("logTerm.txt", "rb"), nullptr);
}

TEST(TermThreadLineLoss, EndsTheRunWithoutAnnouncingTheError) {
    std::atomic<int> announced{0};
    const auto previous = ECommError::setNotifier([&](const ECommError&) { ++announced; });
    const struct {
        const char* name;
        std::function<void(ScriptedPort&, TTermThread&)> lose;
        uint8_t code;
        int32_t systemError;
    } cases[] = {
        {"a read hangs up",
         [](ScriptedPort& p, TTermThread&) { p.queue(ScriptedPort::error(CE_ReadFailed)); },
         CE_ReadFailed, EIO},
        {"a typed line meets a pulled adapter",
         [](ScriptedPort& p, TTermThread& t) {
             p.failWritesWith(CE_WriteFailed);
             t.appendChar('4');
             t.appendChar('\r');
         },
         CE_WriteFailed, EIO},
        {"the device node vanished", [](ScriptedPort&, TTermThread& t) { t.lineGone(); },
         CE_ReadFailed, ENODEV},
    };
    for (const auto& c : cases) {
        VirtualClock clock;
        ScriptedPort port{clock};
        port.setOnRead([] { std::this_thread::sleep_for(milliseconds(1)); });
        RecordingHost host;
        TTermThread thread{port, host, clock};
        thread.start();
        c.lose(port, thread);
        ASSERT_TRUE(thread.wait(QDeadlineTimer(kHangGuardMs))) << c.name;
        EXPECT_TRUE(thread.failed()) << c.name;
        EXPECT_EQ(thread.errorCode(), c.code) << c.name;
        EXPECT_EQ(thread.systemError(), c.systemError) << c.name;
    }
    EXPECT_EQ(announced, 0);
    // Only the terminal's own thread keeps quiet about it.
    ECommError(CE_ReadFailed, EIO);
    EXPECT_EQ(announced, 1);
    ECommError::setNotifier(previous);
}

} // namespace
