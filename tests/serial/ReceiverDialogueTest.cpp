// The dialogue the three transfer workers share with the receiver: command
// framing, the response window, and every row of the connection handshake.
#include "serial/ReceiverDialogue.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/ScriptedPort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Kind = ScriptedPort::WriteKind;

struct Rig {
    explicit Rig(const DialogueProfile& profile = kListReceiveProfile)
        : dialogue(port, clock, host, profile) {}

    // Passes of phase 1 until it ends (or a safety limit).
    void runHandshake(int limit = 1000) {
        for (int i = 0; i < limit && dialogue.phase() == ReceiverDialogue::PhaseHandshake; ++i)
            dialogue.handshakePass();
    }
    size_t timesWritten(const std::string& command) const {
        const std::string all = port.written();
        size_t count = 0;
        for (size_t at = all.find(command); at != std::string::npos; at = all.find(command, at + 1))
            ++count;
        return count;
    }
    std::vector<std::string> log() const { return dialogue.log(); }

    VirtualClock clock;
    ScriptedPort port{clock};
    TransferRecorder host;
    ReceiverDialogue dialogue;
};

const std::string kMenu = "\r\n100 Download Ch_Data\r\n300 Standby\r\n400 Help\r\n"
                          "500 Upload Ch_Data\r\nSelect> ";

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SendCommand, PadsShortCommandsWithZeroBytesAndPacesThem) {
    Rig rig(kSoftwareUpdateProfile);
    rig.dialogue.SendCommand("r");
    rig.dialogue.SendCommand("hel");
    EXPECT_EQ(rig.port.written(), std::string("r\0\0\r\nhel\r\n", 10));

    const auto writes = rig.port.writes();
    ASSERT_EQ(writes.size(), 10u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(writes[i].kind, Kind::Paced);
        EXPECT_EQ(writes[i].timeMs, 70 * i);
    }
    EXPECT_EQ(writes[3].kind, Kind::Byte);
    EXPECT_EQ(writes[3].timeMs, 210); // CR and LF follow the last pause, unpaced
    EXPECT_EQ(writes[4].kind, Kind::Byte);
    EXPECT_EQ(writes[4].timeMs, 210);
    EXPECT_EQ(rig.port.flushCount(), 6u); // one flush per paced byte
}

TEST(ResponseWindow, WrapsAfterIndex2046AndKeepsTheLastByteZero) {
    Rig rig;
    rig.port.queue(ScriptedPort::chunk(std::string(2047, 'a')));
    rig.port.queue(ScriptedPort::chunk("XYZ"));
    EXPECT_EQ(rig.dialogue.ReadResponse(), 1024u);
    EXPECT_EQ(rig.dialogue.ReadResponse(), 1023u);
    EXPECT_EQ(rig.dialogue.writePosition(), 0u);
    EXPECT_EQ(rig.dialogue.ReadResponse(), 3u);

    const auto& window = rig.dialogue.window();
    EXPECT_EQ(std::string(window.begin(), window.begin() + 3), "XYZ");
    EXPECT_EQ(window[3], 'a');
    EXPECT_EQ(window[2046], 'a');
    EXPECT_EQ(window[2047], 0);
    EXPECT_EQ(rig.dialogue.writePosition(), 3u);
    EXPECT_TRUE(rig.dialogue.responseContains("XYZaaa"));

    rig.dialogue.ClearResponse();
    EXPECT_FALSE(rig.dialogue.responseContains("a"));
    EXPECT_EQ(rig.dialogue.writePosition(), 0u);
}

TEST(ResponseWindow, TextEndsAtTheFirstZeroByte) {
    Rig rig;
    rig.port.queue(ScriptedPort::chunk(std::string("abc\0Upload Ch_Data", 18)));
    rig.dialogue.ReadResponse();
    EXPECT_TRUE(rig.dialogue.responseContains("abc"));
    EXPECT_FALSE(rig.dialogue.responseContains("Upload"));
}

TEST(Handshake, StartMenuLeadsToTheListReceivePhase) {
    Rig rig;
    rig.port.respondTo("400\r\n", {ScriptedPort::chunk(kMenu)});
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 500);
    EXPECT_EQ(rig.dialogue.step(), 2);
    EXPECT_EQ(rig.log(),
              (std::vector<std::string>{"SendHelp", "Verbindung mit Receiver hergestellt"}));
    EXPECT_EQ(rig.port.written(), "400\r\n");
    EXPECT_TRUE(rig.host.shown().empty()); // the list receive never shows its status
    EXPECT_FALSE(rig.dialogue.responseContains("Upload"));
}

TEST(Handshake, StartUpControlAsksForTheMenuAgain) {
    Rig rig;
    rig.port.queue({ScriptedPort::chunk("StartUpControl\r\n"), ScriptedPort::chunk(kMenu)});
    rig.runHandshake();
    EXPECT_EQ(rig.log(), (std::vector<std::string>{"SendHelp", "Found StartUpControl", "SendHelp",
                                                   "Verbindung mit Receiver hergestellt"}));
    EXPECT_EQ(rig.port.written(), "400\r\n400\r\n");
    // 100 ms after "StartUpControl" (read at 210 + 15) before the second help.
    EXPECT_EQ(rig.port.writes()[5].timeMs, 210 + 15 + 100);
}

TEST(Handshake, KeyPhrasesAreTestedInTheirOrder) {
    Rig rig;
    rig.port.queue(ScriptedPort::chunk("Upload Ch_Data StartUpControl"));
    rig.dialogue.handshakePass();
    rig.dialogue.handshakePass();
    EXPECT_EQ(rig.log().back(), "Found StartUpControl");
    EXPECT_EQ(rig.dialogue.step(), ReceiverDialogue::StepAskForMenu);
}

struct PhraseRow {
    const char* text;
    int32_t step;
    const char* logLine;
};

TEST(Handshake, EachKeyPhraseOfTheListReceive) {
    const PhraseRow rows[] = {
        {"Send file in binary mode", 4, "Send file"},
        {"ptImage->UnzipedCrc", 4, "read: ptImage"},
        {"100 Enter Bootloader", 2, "send 100 to enter Bootloader"},
        {"100 Exit to Main Menu", 2, "send 100 to Exit to Main Menu"},
    };
    for (const PhraseRow& row : rows) {
        Rig rig;
        rig.port.queue({ScriptedPort::chunk("noise\r\n"), ScriptedPort::chunk(row.text)});
        rig.dialogue.handshakePass(); // help
        rig.dialogue.handshakePass(); // noise
        rig.dialogue.handshakePass(); // the phrase
        EXPECT_EQ(rig.dialogue.phase(), 1) << row.text;
        EXPECT_EQ(rig.dialogue.step(), row.step) << row.text;
        EXPECT_EQ(rig.log().back(), row.logLine) << row.text;
        EXPECT_EQ(rig.dialogue.noiseCount(), 0) << row.text;
        EXPECT_FALSE(rig.dialogue.responseContains(row.text)) << row.text;
    }
}

TEST(Handshake, PtImageIsNoKeyPhraseForTheOtherWorkers) {
    Rig rig(kListSendProfile);
    rig.port.queue(ScriptedPort::chunk("ptImage"));
    rig.dialogue.handshakePass();
    rig.dialogue.handshakePass();
    EXPECT_EQ(rig.dialogue.noiseCount(), 1);
    EXPECT_EQ(rig.dialogue.step(), ReceiverDialogue::StepListen);
}

TEST(Handshake, UnrelatedTextRetriesAt15And19AndWindsUpAfter21) {
    Rig rig;
    for (int i = 0; i < 30; ++i)
        rig.port.queue(ScriptedPort::chunk("tuner 1: lock=1 snr=12.4dB\r\n"));
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 0);
    EXPECT_EQ(rig.port.readCount(), 21u);
    EXPECT_EQ(rig.port.written(), "400\r\n100\r\n100\r\n");
    const auto log = rig.log();
    EXPECT_EQ(log, (std::vector<std::string>{"SendHelp", "readStuff == 15, try 100",
                                             "Initialisierung 100", "readStuff == 19, try 100",
                                             "Initialisierung 100", "readstuff > 20"}));
    EXPECT_EQ(rig.dialogue.status(), "Bitte warten...");
}

TEST(Handshake, OtherWorkersRetryOnlyAt19AndShowTheirStatus) {
    Rig rig(kListSendProfile);
    for (int i = 0; i < 30; ++i)
        rig.port.queue(ScriptedPort::chunk("noise"));
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 0);
    EXPECT_EQ(rig.timesWritten("100\r\n"), 1u);
    const auto shown = rig.host.shown();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "Bitte warten..."), 21);
    EXPECT_TRUE(contains(shown, "Initialisierung"));
}

TEST(Handshake, UnrelatedTextThenSilenceTriesInitialiseOnEveryEmptyRead) {
    Rig rig;
    rig.port.queue({ScriptedPort::chunk("garbage"), ScriptedPort::silence(),
                    ScriptedPort::silence(), ScriptedPort::chunk(kMenu)});
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 500);
    EXPECT_EQ(rig.log(), (std::vector<std::string>{
                             "SendHelp", "Try 100 again 1", "Bitte warten.. 1",
                             "Initialisierung 100", "Try 100 again 1", "Bitte warten.. 2",
                             "Initialisierung 100", "Verbindung mit Receiver hergestellt"}));
    EXPECT_EQ(rig.port.written(), "400\r\n100\r\n100\r\n");
}

TEST(Handshake, ErrorAtTheIdleCheckValueTriesInitialiseOnceMore) {
    Rig rig;
    rig.port.queue(ScriptedPort::chunk("error\r\n"));
    rig.dialogue.setStep(ReceiverDialogue::StepListen);
    rig.dialogue.ReadResponse();
    rig.dialogue.setIdleCount(98);
    rig.dialogue.handshakePass(); // a silent read: idle count 99
    EXPECT_EQ(rig.dialogue.idleCount(), 100);
    EXPECT_EQ(rig.dialogue.step(), ReceiverDialogue::StepInitialise);
    EXPECT_EQ(rig.dialogue.status(), "Versuche Verbindung herzustellen");
    EXPECT_EQ(rig.log().back(), "Versuche Verbindung herzustellen");
    EXPECT_FALSE(rig.dialogue.responseContains("error"));
    EXPECT_EQ(rig.clock.nowMs(), 15 + 1274 + 100); // the "error" chunk, the read, the pause

    rig.dialogue.handshakePass(); // initialise
    rig.dialogue.handshakePass(); // the next silent read gives up
    EXPECT_EQ(rig.dialogue.phase(), 0);
    EXPECT_EQ(rig.log().back(), "Keine Verbindung zum Receiver: COM3");
}

TEST(Handshake, SilenceGivesUpAfter100EmptyReads) {
    Rig rig;
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 0);
    EXPECT_EQ(rig.port.readCount(), 100u);
    EXPECT_EQ(rig.port.written(), "400\r\n");
    const auto log = rig.log();
    EXPECT_EQ(log[1], "Bitte warten.. 1");
    EXPECT_EQ(log[log.size() - 2], "Bitte warten.. 101");
    EXPECT_EQ(log.back(), "Keine Verbindung zum Receiver: COM3");
    // 100 reads of 1274 ms, the help command and the pause after giving up.
    EXPECT_EQ(rig.clock.nowMs(), 210 + 100 * 1274 + 100);
}

TEST(Handshake, ListSendGivesUpAfterFiveEmptyReadsWithoutPortName) {
    Rig rig(kListSendProfile);
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 0);
    EXPECT_EQ(rig.port.readCount(), 5u);
    EXPECT_EQ(rig.clock.nowMs(), 210 + 5 * 762 + 100);
    EXPECT_EQ(rig.host.shown().back(), "Keine Verbindung zum Receiver: ");
    EXPECT_EQ(rig.host.shown().front(), "Bitte warten...");
}

TEST(Handshake, SoftwareUpdateGivesUpIntoStandby) {
    Rig rig(kSoftwareUpdateProfile);
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 300);
    EXPECT_EQ(rig.port.readCount(), 5u);
    EXPECT_EQ(rig.port.written(), "hel\r\n");
}

TEST(Handshake, ListSendTakesTheStartMenuWithSuffixAndPause) {
    Rig rig(kListSendProfile);
    rig.port.queue(ScriptedPort::chunk(kMenu));
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 100);
    EXPECT_EQ(rig.dialogue.step(), 2);
    EXPECT_EQ(rig.log().back(), "Verbindung mit Receiver hergestellt (im Startmen\xFC)");
    EXPECT_EQ(rig.host.shown().back(), "Verbindung mit Receiver hergestellt");
    EXPECT_EQ(rig.clock.nowMs(), 210 + 15 + 100);
}

TEST(Handshake, WaitingReceiverLetsTheSendWorkersSendAtOnce) {
    Rig load(kListSendProfile);
    load.port.queue(ScriptedPort::chunk("Send file in binary mode\r\n"));
    load.runHandshake();
    EXPECT_EQ(load.dialogue.phase(), 100);
    EXPECT_EQ(load.dialogue.step(), 5);
    EXPECT_EQ(load.log().back(), "Send file");
    EXPECT_EQ(load.host.shown().back(), "Liste wird \xFC"
                                        "bertragen...");

    Rig firm(kSoftwareUpdateProfile);
    firm.port.queue(ScriptedPort::chunk("Send file in binary mode\r\n"));
    firm.runHandshake();
    EXPECT_EQ(firm.dialogue.step(), 5);
    EXPECT_EQ(firm.host.shown().back(), "Datei wird \xFC"
                                        "bertragen...");
}

TEST(Handshake, SendWorkersPauseBeforeInitialising) {
    Rig rig(kSoftwareUpdateProfile);
    rig.port.queue({ScriptedPort::chunk("100 Enter Bootloader"), ScriptedPort::chunk(kMenu)});
    rig.runHandshake();
    const auto writes = rig.port.writes();
    ASSERT_EQ(rig.port.written(), std::string("hel\r\nr\0\0\r\n", 10));
    EXPECT_EQ(writes[5].timeMs, 210 + 15 + 100);
    EXPECT_EQ(rig.log()[2], "Initialisierung r");
}

TEST(Handshake, KeyPhraseSplitAcrossTwoReadsIsFound) {
    Rig rig;
    rig.port.queue({ScriptedPort::chunk("500 Upload Ch"), ScriptedPort::chunk("_Data\r\n")});
    rig.runHandshake();
    EXPECT_EQ(rig.dialogue.phase(), 500);
    EXPECT_EQ(rig.port.readCount(), 2u);
}

TEST(Cancel, IsTakenOnceByTheWorker) {
    Rig rig;
    rig.dialogue.CancelByUser();
    EXPECT_TRUE(rig.host.userCancelled());
    EXPECT_EQ(rig.port.interruptCount(), 1u);
    EXPECT_EQ(rig.dialogue.phase(), 1); // the worker's own pass changes it
    EXPECT_TRUE(rig.dialogue.takeCancel());
    EXPECT_FALSE(rig.dialogue.takeCancel());
    EXPECT_EQ(rig.dialogue.phase(), 0);
    EXPECT_EQ(rig.log(), std::vector<std::string>{"Cancel by User"});
}

TEST(Log, IsWrittenOneLineEachAndReplacesTheOldFile) {
    Rig rig;
    rig.dialogue.addLog("first");
    rig.dialogue.addLog("Initialisierung 100");
    {
        FILE* old = std::fopen("dialogue-log.txt", "wb");
        std::fputs("an older, longer log\nwith more lines\nthan now\n", old);
        std::fclose(old);
    }
    ASSERT_TRUE(rig.dialogue.writeLog("dialogue-log.txt"));
    FILE* file = std::fopen("dialogue-log.txt", "rb");
    char text[128] = {};
    size_t n = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    EXPECT_EQ(std::string(text, n), "first\nInitialisierung 100\n");
    EXPECT_FALSE(rig.dialogue.writeLog("no-such-folder/log.txt"));
}

} // namespace
