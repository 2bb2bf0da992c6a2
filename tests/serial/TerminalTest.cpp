// The online terminal's state machine with a scripted receiver in virtual time.
#include "serial/Terminal.h"
#include "tests/serial/RecordingHost.h"
#include "tests/support/ScriptedPort.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

using Pass = TerminalSession::PassResult;
using WriteKind = ScriptedPort::WriteKind;

std::string fileText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class TerminalTest : public ::testing::Test {
protected:
    void SetUp() override { std::remove(TerminalSession::DefaultLogPath); }

    void type(const std::string& chars) {
        for (char c : chars)
            commands.append(c);
    }

    VirtualClock clock;
    ScriptedPort port{clock};
    RecordingHost host;
    TerminalCommandBuffer commands;
    TerminalSession session{port, host, clock, commands};
};

TEST_F(TerminalTest, UnfinishedLineSendsNothingAndStopsTheDisplay) {
    port.queue(ScriptedPort::chunk("menu"));
    type("ABC");
    EXPECT_EQ(session.runPass(), Pass::WaitingForLine);
    EXPECT_EQ(session.runPass(), Pass::WaitingForLine);
    EXPECT_EQ(port.written(), "");
    EXPECT_EQ(port.readCount(), 0u);
    EXPECT_TRUE(host.inserted().empty());
    EXPECT_EQ(commands.contents(), "ABC");
}

TEST_F(TerminalTest, LineIsPacedThenEndedWithCrLfAndEchoed) {
    clock.advance(1000);
    type("ABC\r");
    EXPECT_EQ(session.runPass(), Pass::SentLine);

    const auto writes = port.writes();
    ASSERT_EQ(writes.size(), 5u);
    const std::string bytes[] = {"A", "B", "C", "\r", "\n"};
    const WriteKind kinds[] = {WriteKind::Paced, WriteKind::Paced, WriteKind::Paced,
                               WriteKind::Byte, WriteKind::Byte};
    const int64_t times[] = {1000, 1070, 1140, 1210, 1210};
    for (size_t i = 0; i < writes.size(); ++i) {
        EXPECT_EQ(writes[i].bytes, bytes[i]) << i;
        EXPECT_EQ(writes[i].kind, kinds[i]) << i;
        EXPECT_EQ(writes[i].timeMs, times[i]) << i;
    }
    EXPECT_EQ(port.flushCount(), 3u);

    EXPECT_EQ(host.inserted(), std::vector<std::string>{"\n\b SEND : ABC\r\n"});
    EXPECT_EQ(session.statusText(), "Send CMD :  ");
    EXPECT_TRUE(commands.empty());
    EXPECT_EQ(host.inputClears(), 1);
    EXPECT_EQ(host.rendezvous(), 1);
}

TEST_F(TerminalTest, HundredCharacterRule) {
    struct Case {
        size_t chars;
        std::string lineEnd;
    };
    for (const Case& c : {Case{0, "\r\n"}, Case{99, "\r\n"}, Case{100, ""}, Case{150, ""}}) {
        ScriptedPort linePort(clock);
        TerminalSession lineSession(linePort, host, clock, commands);
        std::string line;
        for (size_t i = 0; i < c.chars; ++i)
            line += static_cast<char>('a' + i % 26);
        type(line + "\r");
        EXPECT_EQ(lineSession.runPass(), Pass::SentLine);
        EXPECT_EQ(linePort.written(), line.substr(0, 100) + c.lineEnd) << c.chars;
        EXPECT_TRUE(commands.empty()) << c.chars;
    }
}

TEST_F(TerminalTest, CharactersAfterTheLineWaitForTheNextOne) {
    type("AB\rC");
    EXPECT_EQ(session.runPass(), Pass::SentLine);
    EXPECT_EQ(port.written(), "AB\r\n");
    EXPECT_EQ(commands.contents(), "C");
    EXPECT_EQ(session.runPass(), Pass::WaitingForLine);
    type("\r");
    EXPECT_EQ(session.runPass(), Pass::SentLine);
    EXPECT_EQ(port.written(), "AB\r\nC\r\n");
}

TEST(TerminalCommandBuffer, HoldsAtMost1023Characters) {
    TerminalCommandBuffer commands;
    for (int i = 0; i < 1100; ++i)
        commands.append('x');
    EXPECT_EQ(commands.contents().size(), 1023u);
    EXPECT_FALSE(commands.append('\r'));
    EXPECT_FALSE(commands.takeLine().has_value());
    EXPECT_FALSE(commands.append('\0'));
}

TEST_F(TerminalTest, ReceivedTextIsShownUpToAZeroByte) {
    port.queue({ScriptedPort::chunk(std::string("Menu\r\n\x01", 7)),
                ScriptedPort::chunk(std::string("abc\0def", 7)), ScriptedPort::chunk("")});
    EXPECT_EQ(session.runPass(), Pass::Received);
    EXPECT_EQ(clock.nowMs(), 15 + 1) << "burst gap, then the 1 ms pause";
    EXPECT_EQ(session.runPass(), Pass::Received);
    EXPECT_EQ(session.runPass(), Pass::Silent);
    EXPECT_EQ(host.inserted(), (std::vector<std::string>{std::string("Menu\r\n\x01", 7), "abc"}));
}

TEST_F(TerminalTest, SilentReceiverKeepsReading) {
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(session.runPass(), Pass::Silent);
    EXPECT_EQ(port.readCount(), 5u);
    EXPECT_EQ(clock.nowMs(), 5 * 1274);
    EXPECT_TRUE(host.inserted().empty());
    EXPECT_FALSE(session.finished());
}

TEST_F(TerminalTest, CancelWritesTheLog) {
    type("A\r");
    session.runPass();
    type("\r");
    session.runPass();
    type("unfinished");
    session.cancelByUser();
    EXPECT_TRUE(host.userCancelled());
    EXPECT_EQ(session.phase(), TerminalSession::Phase::WindUp);
    EXPECT_EQ(session.runPass(), Pass::Finished);
    EXPECT_TRUE(session.finished());
    EXPECT_EQ(session.runPass(), Pass::Finished);
    EXPECT_EQ(port.written(), "A\r\n\r\n") << "nothing more after the cancel";
    EXPECT_EQ(host.rendezvous(), 3);
    EXPECT_EQ(fileText("logTerm.txt"),
              "just Receiving\nSend CMD :   A\nSend CMD :   \r\nCancel by User\nTerminate\n");
}

TEST_F(TerminalTest, SerialErrorsEndTheRunWithoutALog) {
    port.queue({ScriptedPort::chunk("x"), ScriptedPort::error(CE_ReadFailed)});
    EXPECT_EQ(session.runPass(), Pass::Received);
    try {
        session.runPass();
        FAIL() << "no error";
    } catch (const ECommError& error) {
        EXPECT_EQ(error.ErrorCode, CE_ReadFailed);
    }
    EXPECT_EQ(fileText("logTerm.txt"), "<missing>");

    ScriptedPort failing(clock);
    failing.failWritesWith(CE_WriteFailed);
    TerminalSession sending(failing, host, clock, commands);
    type("A\r");
    try {
        sending.runPass();
        FAIL() << "no error";
    } catch (const ECommError& error) {
        EXPECT_EQ(error.ErrorCode, CE_WriteFailed);
    }
    EXPECT_EQ(fileText("logTerm.txt"), "<missing>");
}

} // namespace
