// The list receive in virtual time: handshake, "500", the stream until the
// line falls silent, the cut between the markers, standby, the log.
#include "serial/ListReceive.h"
#include "serial/CommError.h"
#include "tests/serial/ListStreams.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/ScriptedPort.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

using list_streams::framed;
using list_streams::framedOfLength;
using list_streams::image;
using list_streams::menu;

const char kComplete[] = "Senderliste vollst\xE4ndig empfangen";
const char kFailed[] = "Es ist ein Fehler w\xE4hrend der \xDC"
                       "bertragung aufgetreten.";

struct Rig {
    Rig() {
        std::remove("logRead.txt");
        port.respondTo("400\r\n", {ScriptedPort::chunk(menu())});
    }
    void serve(const std::string& stream) {
        port.respondTo("500\r\n", {ScriptedPort::chunk(stream)});
    }
    std::vector<std::string> run() {
        machine.Run();
        return machine.log();
    }
    bool sentStandby() const { return port.written().find("300\r\n") != std::string::npos; }
    std::string loggedStatus() const {
        // The line before "Receiver ausschalten (Standby)".
        auto log = machine.log();
        return log.size() >= 3 ? log[log.size() - 3] : "";
    }

    VirtualClock clock;
    ScriptedPort port{clock};
    TransferRecorder host;
    ListReceive machine{port, clock, host};
};

std::vector<std::string> readLines(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(ListReceive, SuccessfulRunHandsOverTheImageAndLogsEveryStep) {
    Rig rig;
    const std::string body = image();
    const std::string stream = framed(body);
    rig.serve(stream);
    const auto log = rig.run();

    std::vector<std::string> expected = {"Receiving channel list", "SendHelp",
                                         "Verbindung mit Receiver hergestellt",
                                         "Liste wird empfangen..."};
    for (size_t left = stream.size(); left > 0; left -= std::min<size_t>(left, 1024))
        expected.push_back("received: " + std::to_string(std::min<size_t>(left, 1024)));
    expected.insert(expected.end(), {kComplete, "Receiver ausschalten (Standby)", "Terminate"});
    EXPECT_EQ(log, expected);
    EXPECT_EQ(readLines("logRead.txt"), expected);

    EXPECT_EQ(rig.host.receivedStatus(), 1);
    EXPECT_EQ(rig.host.receivedSize(), ListImageBytes);
    EXPECT_TRUE(rig.host.received() == std::vector<uint8_t>(body.begin(), body.end()));
    EXPECT_EQ(rig.port.written(), "400\r\n500\r\n300\r\n");
    EXPECT_TRUE(rig.machine.finished());

    const auto progress = rig.host.progress();
    ASSERT_GE(progress.size(), 2u);
    EXPECT_EQ(progress[0], 1024 * 100 / ListImageBytes);
    EXPECT_EQ(progress[progress.size() - 2], 100); // past 100 % the bar stays full
    EXPECT_EQ(progress.back(), 0);                 // reset at wind-up
    EXPECT_GT(rig.host.rendezvous(), 180);         // one per chunk, one at wind-up
}

TEST(ListReceive, StandbyFollowsTheSilenceAndIsFollowedBy5Seconds) {
    Rig rig;
    rig.serve(framed(image()));
    rig.run();
    const auto writes = rig.port.writes();
    const int64_t standbyAt = writes[10].timeMs; // first byte of "300"
    ASSERT_EQ(writes[10].bytes, "3");
    EXPECT_EQ(rig.clock.nowMs(), standbyAt + 210 + 5000);
}

TEST(ListReceive, PausesOf100MsBeforeTheRequestAndBeforeStandby) {
    Rig rig;
    rig.serve(framed(image()));
    int64_t lastReadAt = -1;
    rig.port.setOnRead([&] { lastReadAt = rig.clock.nowMs(); });
    rig.run();
    const auto writes = rig.port.writes();
    ASSERT_EQ(writes.size(), 15u);
    // "400" CR LF, the menu as one burst, 100 ms, "500".
    ASSERT_EQ(writes[5].bytes, "5");
    EXPECT_EQ(writes[5].timeMs - writes[4].timeMs, ScriptedPort::BurstGapMs + 100);
    // The silence that ends the stream, 100 ms, the standby phase's own 100 ms, "300".
    ASSERT_EQ(writes[10].bytes, "3");
    const int64_t silenceEnd =
        lastReadAt + ListReceive::ReadCapacity + ScriptedPort::SilenceConstantMs;
    EXPECT_EQ(writes[10].timeMs - silenceEnd, 100 + 100);
}

TEST(ListReceive, ProgressBarIsFullAt185026Bytes) {
    constexpr size_t fullBar = 185026;
    Rig rig;
    const std::string stream = framed(image());
    rig.port.respondTo("500\r\n", {ScriptedPort::chunk(stream.substr(0, fullBar - 1)),
                                   ScriptedPort::chunk(stream.substr(fullBar - 1, 1)),
                                   ScriptedPort::chunk(stream.substr(fullBar))});
    rig.run();
    const auto progress = rig.host.progress();
    ASSERT_GE(progress.size(), 4u);
    EXPECT_EQ(std::vector<int>(progress.end() - 4, progress.end()),
              (std::vector<int>{99, 100, 100, 0}));
}

TEST(ListReceive, StreamLengthDecidesBetweenFailureAndHandOver) {
    const std::string body = image();
    {
        Rig rig;
        rig.serve(framedOfLength(body, 185495));
        rig.run();
        EXPECT_EQ(rig.loggedStatus(), kFailed);
        EXPECT_EQ(rig.host.receivedStatus(), 0);
        EXPECT_EQ(rig.host.receivedSize(), 0);
        EXPECT_TRUE(rig.sentStandby()); // the receiver still goes to standby
    }
    {
        Rig rig;
        rig.serve(framedOfLength(body, 185496));
        rig.run();
        EXPECT_EQ(rig.loggedStatus(), kComplete);
        EXPECT_EQ(rig.host.receivedSize(), ListImageBytes);
        EXPECT_TRUE(rig.host.received() == std::vector<uint8_t>(body.begin(), body.end()));
    }
}

TEST(ListReceive, DashesAfterStartMarkerAreNotPartOfTheImage) {
    for (size_t dashes : {0u, 1u, 2000u}) {
        Rig rig;
        const std::string body = image();
        rig.serve(framed(body, dashes, std::string(600, '-')));
        rig.run();
        EXPECT_EQ(rig.host.receivedSize(), ListImageBytes) << dashes;
        EXPECT_TRUE(rig.host.received() == std::vector<uint8_t>(body.begin(), body.end()));
    }
}

TEST(ListReceive, ImageEndsAtTheLastEndMarker) {
    Rig rig;
    const std::string body = image();
    rig.serve(framed(body) + "more\r\nEnd Upload\r\n");
    rig.run();
    const std::string expected = body + "End Upload\r\nmore\r\n";
    EXPECT_EQ(rig.host.receivedSize(), static_cast<int32_t>(expected.size()));
    EXPECT_TRUE(rig.host.received() == std::vector<uint8_t>(expected.begin(), expected.end()));
}

TEST(ListReceive, StreamLongerThanTheBufferIsCutAndEndsAtOnce) {
    Rig rig;
    const std::string body = image();
    // 1000 bytes first, so the chunk that reaches the end only partly fits.
    rig.port.respondTo("500\r\n", {ScriptedPort::chunk(std::string(1000, 'x')),
                                   ScriptedPort::chunk(framed(body) + std::string(400000, 'y'))});
    rig.run();
    const auto log = rig.machine.log();
    // 1000 + 511 x 1024 + 24 = 524288, the whole stream buffer.
    EXPECT_NE(std::find(log.begin(), log.end(), "received: 24"), log.end());
    EXPECT_GT(rig.port.pendingEvents(), 0u); // ended by the full buffer, not by silence
    EXPECT_EQ(rig.loggedStatus(), kComplete);
    EXPECT_EQ(rig.host.receivedSize(), ListImageBytes);
}

TEST(ListReceive, StreamWithoutUsableMarkersEndsLikeATooShortOne) {
    const std::string body = image();
    const std::string cases[] = {
        "text " + std::string(400, '-') + body + "End Upload\r\n",              // no start
        "text Start Upload" + std::string(400, '-') + body + "\r\n",            // no end
        "End Upload " + std::string(400, '-') + "Start Upload" + body + "\r\n", // end first
    };
    for (const std::string& stream : cases) {
        Rig rig;
        rig.serve(stream);
        rig.run();
        EXPECT_EQ(rig.loggedStatus(), kFailed);
        EXPECT_EQ(rig.host.receivedStatus(), 0);
        EXPECT_EQ(rig.host.receivedSize(), 0);
        EXPECT_TRUE(rig.sentStandby());
    }
}

TEST(ListReceive, MissingReceiveBufferIsAFailureNotACrash) {
    Rig rig;
    rig.host.withholdBuffer();
    rig.serve(framed(image()));
    rig.run();
    EXPECT_EQ(rig.loggedStatus(), kFailed);
    EXPECT_EQ(rig.host.receivedStatus(), 0);
}

TEST(ListReceive, CancelDuringReceptionDiscardsTheStreamWithoutStandby) {
    Rig rig;
    rig.serve(framed(image()));
    rig.port.setOnRead([&rig] {
        if (rig.port.readCount() == 60)
            rig.machine.CancelByUser();
    });
    const auto log = rig.run();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "Cancel by User");
    EXPECT_EQ(log.back(), "Terminate");
    EXPECT_EQ(rig.port.written(), "400\r\n500\r\n");
    EXPECT_EQ(rig.host.receivedStatus(), 0);
    EXPECT_TRUE(rig.host.userCancelled());
    EXPECT_EQ(readLines("logRead.txt").back(), "Terminate");
}

TEST(ListReceive, SilentReceiverEndsWithoutStandby) {
    Rig rig;
    ScriptedPort silentPort(rig.clock);
    TransferRecorder host("COM7");
    ListReceive machine(silentPort, rig.clock, host);
    machine.Run();
    const auto log = machine.log();
    EXPECT_EQ(log[log.size() - 2], "Keine Verbindung zum Receiver: COM7");
    EXPECT_EQ(silentPort.written(), "400\r\n");
    EXPECT_EQ(host.receivedStatus(), 0);
}

TEST(ListReceive, ReadFailureEndsTheRunWithoutLog) {
    Rig rig;
    rig.port.respondTo("500\r\n", {ScriptedPort::chunk("\r\nStart Upload----" + image(5000)),
                                   ScriptedPort::error(CE_ReadFailed)});
    try {
        rig.run();
        FAIL() << "the read failure must leave the run";
    } catch (const ECommError& error) {
        EXPECT_EQ(error.ErrorCode, CE_ReadFailed);
    }
    EXPECT_FALSE(rig.machine.finished());
    EXPECT_EQ(rig.host.receivedStatus(), 0);
    EXPECT_FALSE(std::ifstream("logRead.txt").good());
}

TEST(FindListMarkers, StartSkipsDashesAndEndFindsTheLastMarker) {
    auto start = [](const std::string& s) {
        return ListReceive::FindListStart(reinterpret_cast<const uint8_t*>(s.data()),
                                          static_cast<int32_t>(s.size()));
    };
    auto end = [](const std::string& s) {
        return ListReceive::FindListEnd(reinterpret_cast<const uint8_t*>(s.data()),
                                        static_cast<int32_t>(s.size()));
    };
    EXPECT_EQ(start("abStart Upload---X"), 17);
    EXPECT_EQ(start("Start UploadX Start Upload"), 12);
    EXPECT_EQ(start("xxStart Upload---"), 17); // dashes up to the end
    EXPECT_EQ(start("Start Uploa"), 0);
    EXPECT_EQ(start(""), 0);
    EXPECT_EQ(end("End UploadabEnd Upload!"), 12);
    EXPECT_EQ(end("End Uploa"), 0);
    EXPECT_EQ(end(std::string("\0End Upload", 11)), 1);
}

} // namespace
