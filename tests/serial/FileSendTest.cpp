// The list send and the software update in virtual time: every row of their
// state tables, the 10-byte writes with their progress, the file loop.
#include "serial/CommError.h"
#include "serial/ListSend.h"
#include "serial/SoftwareUpdate.h"
#include "tests/serial/ListStreams.h"
#include "tests/serial/SendRecorder.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/ScriptedPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>

namespace {

using list_streams::image;
using list_streams::menu;
using Ev = ScriptedPort::Event;
using SP = ScriptedPort;

const std::string kReadError = "Lesefehler auf serieller Schnittstelle ";
const std::string kStandby = "Receiver ausschalten (Standby)";

std::string tail(const std::string& bytes) {
    return bytes.substr(bytes.size() - std::min<size_t>(bytes.size(), 16));
}

// A line on which every image write fails with one code.
struct FailingPort : ScriptedPort {
    FailingPort(VirtualClock& clock, uint8_t failure) : ScriptedPort(clock), code(failure) {}
    void Write(const uint8_t*, int32_t) override { throw ECommError(code, EIO); }
    uint8_t code;
};

template <class Machine> struct Rig {
    explicit Rig(const std::string& help) { port.respondTo(help, {SP::chunk(menu())}); }
    void build(Port* line = nullptr) {
        machine = std::make_unique<Machine>(line ? *line : port, clock, host);
    }
    std::vector<std::string> run() {
        machine->Run();
        return machine->log();
    }
    bool logged(const std::string& line) const {
        const auto log = machine->log();
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    size_t count(const std::string& text) const {
        const std::string all = port.written();
        size_t n = 0;
        for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++n;
        return n;
    }

    VirtualClock clock;
    ScriptedPort ownPort{clock};
    ScriptedPort& port = ownPort;
    SendRecorder host;
    std::unique_ptr<Machine> machine;
};

// What the receiver prints once the list has come in, and what follows.
struct ListRow {
    const char* name;
    std::vector<Ev> afterImage;
    bool accepted;
    bool standby;
    const char* lastStatusLogged; // empty: none expected
};

TEST(ListSend, EveryOutcomeOfTheCheckAndTheStoring) {
    const std::vector<ListRow> rows = {
        {"stored",
         {SP::chunk("File OK!\r\n"), SP::chunk("ptImage->UnzipedCrc = 0x1\r\n")},
         true,
         true,
         "Speichern beendet"},
        {"damaged",
         {SP::chunk("ready\r\n")},
         false,
         true,
         "Die Senderliste ist besch\xE4"
         "digt."},
        {"silence after File OK", {SP::chunk("File OK!")}, true, true, kReadError.c_str()},
        {"silence", {}, false, true, ""},
        {"noise", std::vector<Ev>(21, SP::chunk("noise")), false, false, ""},
        {"other text while storing",
         {SP::chunk("File OK!"), SP::chunk("Writing..."), SP::chunk("ptImage->UnzipedCrc")},
         true,
         true,
         "Speichern beendet"},
    };
    for (const ListRow& row : rows) {
        SCOPED_TRACE(row.name);
        Rig<ListSend> rig("400\r\n");
        rig.host.files[5] = image(1000);
        rig.host.names[5] = "my.lst";
        rig.port.respondTo(tail(rig.host.files[5]), row.afterImage);
        rig.build();
        const auto log = rig.run();
        EXPECT_EQ(rig.host.accepted, row.accepted);
        EXPECT_EQ(rig.count("300\r\n"), row.standby ? 1u : 0u);
        EXPECT_EQ(rig.count("100\r\n"), 1u);
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[0], "Loading channel list");
        EXPECT_EQ(log[1], "my.lst");
        EXPECT_EQ(log.back(), "Terminated");
        if (*row.lastStatusLogged) {
            EXPECT_TRUE(rig.logged(row.lastStatusLogged));
        }
        if (std::string(row.name) == "silence") {
            EXPECT_TRUE(rig.logged("readNothing 20"));
            EXPECT_EQ(rig.host.shown().back(), kStandby);
            EXPECT_EQ(rig.host.shown()[rig.host.shown().size() - 2], kReadError);
        }
        if (std::string(row.name) == "noise") {
            EXPECT_TRUE(rig.logged("readStuff > 20"));
        }
        // The receiver got the file's bytes once, in order.
        EXPECT_NE(rig.port.written().find(rig.host.files[5]), std::string::npos);
    }
}

TEST(ListSend, ImageGoesOutInBlocksOfTenWithProgress) {
    struct Case {
        size_t size;
        size_t blocks;
        size_t lastWrite;
    };
    for (const Case& c : {Case{ListImageBytes, 18502, 6}, Case{1000, 100, 10}}) {
        Rig<ListSend> rig("400\r\n");
        rig.host.files[5] = image(c.size);
        rig.port.respondTo(tail(rig.host.files[5]), {SP::chunk("ready")});
        rig.build();
        rig.run();
        std::vector<ScriptedPort::WriteRecord> blocks;
        for (const auto& w : rig.port.writes())
            if (w.kind == ScriptedPort::WriteKind::Write)
                blocks.push_back(w);
        const size_t whole = std::count_if(blocks.begin(), blocks.end(),
                                           [](const auto& w) { return w.bytes.size() == 10; });
        EXPECT_EQ(whole, c.blocks);
        EXPECT_EQ(blocks.size(), c.blocks + (c.lastWrite == 10 ? 0 : 1));
        EXPECT_EQ(blocks.back().bytes.size(), c.lastWrite);
        std::string sent;
        for (const auto& w : blocks)
            sent += w.bytes;
        EXPECT_EQ(sent, rig.host.files[5]);
        const auto progress = rig.host.progress();
        ASSERT_EQ(progress.size(), c.blocks + 1); // one per block, 0 at wind-up
        EXPECT_EQ(progress[c.blocks - 1], c.size == 1000 ? 100 : 99);
    }
}

TEST(ListSend, BinaryModeInTheHandshakeSkipsTheRequest) {
    Rig<ListSend> rig("xxx"); // no menu: the receiver already waits for a file
    rig.host.files[5] = image(100);
    rig.port.queue(SP::chunk("Send file in binary mode\r\n"));
    rig.port.respondTo(tail(rig.host.files[5]),
                       {SP::chunk("File OK!"), SP::chunk("ptImage->UnzipedCrc")});
    rig.build();
    rig.run();
    EXPECT_EQ(rig.count("100\r\n"), 0u);
    EXPECT_TRUE(rig.host.accepted);
    EXPECT_EQ(rig.host.shown().front(), "Liste wird \xFC"
                                        "bertragen...");
}

TEST(ListSend, FailuresOfTheLineAndCancel) {
    for (uint8_t code : {CE_WriteFailed, CE_NotOpen}) {
        SCOPED_TRACE(int(code));
        Rig<ListSend> rig("400\r\n");
        FailingPort line(rig.clock, code);
        line.respondTo("400\r\n", {SP::chunk(menu())});
        rig.host.files[5] = image(100);
        rig.build(&line);
        if (code == CE_NotOpen) {
            // Any other serial error ends the run.
            EXPECT_THROW(rig.machine->Run(), ECommError);
            continue;
        }
        rig.run();
        EXPECT_TRUE(rig.logged("SendDataToPort error"));
        EXPECT_NE(line.written().find("300\r\n"), std::string::npos);
        EXPECT_FALSE(rig.host.accepted);
    }
    {
        SCOPED_TRACE("no connection");
        Rig<ListSend> rig("xxx");
        rig.host.files[5] = image(100);
        rig.build();
        rig.run();
        EXPECT_TRUE(rig.logged("Keine Verbindung zum Receiver: "));
        EXPECT_EQ(rig.count("300\r\n"), 0u);
    }
    {
        SCOPED_TRACE("cancel");
        Rig<ListSend> rig("400\r\n");
        rig.host.files[5] = image(100);
        rig.build();
        rig.port.respondTo(tail(rig.host.files[5]), {});
        rig.port.setOnRead([&rig] {
            if (rig.port.written().size() > 100)
                rig.machine->CancelByUser();
        });
        rig.run();
        EXPECT_TRUE(rig.logged("Cancel by User"));
        EXPECT_EQ(rig.count("300\r\n"), 0u);
        EXPECT_TRUE(rig.host.userCancelled());
    }
}

// Per file, what the receiver prints after the image.
std::vector<Ev> stored() {
    return {SP::chunk("File OK!"), SP::chunk("Write Sector"), SP::chunk("ptImage->UnzipedCrc")};
}

struct UpdateRow {
    const char* name;
    std::vector<Ev> afterImage;
    bool done;
    const char* status; // logged
    bool standby;
};

TEST(SoftwareUpdate, EveryOutcomeOfOneFile) {
    const std::vector<UpdateRow> rows = {
        {"stored", stored(), true,
         "Alle Dateien wurden \xFC"
         "bertragen",
         true},
        {"both reports in one chunk",
         {SP::chunk("File OK!\r\nWrite Sector\r\n"), SP::chunk("ptImage->UnzipedCrc")},
         true,
         "Datei wird gespeichert",
         true},
        {"File OK then silence",
         {SP::chunk("File OK!")},
         false,
         "Datei wurde \xFC"
         "bernommen",
         true},
        {"damaged",
         {SP::chunk("ready")},
         false,
         "Die Datei ist besch\xE4"
         "digt.",
         true},
        {"silence while writing", {SP::chunk("Write Sector")}, false, kReadError.c_str(), true},
        {"noise", std::vector<Ev>(21, SP::chunk("noise")), false, "readStuff > 20", false},
    };
    for (const UpdateRow& row : rows) {
        SCOPED_TRACE(row.name);
        Rig<SoftwareUpdate> rig("hel\r\n");
        rig.host.files[1] = image(95);
        rig.host.names[1] = "a.bin";
        rig.port.respondTo(tail(rig.host.files[1]), row.afterImage);
        rig.build();
        rig.run();
        EXPECT_EQ(rig.host.done, row.done);
        EXPECT_TRUE(rig.logged(row.status));
        EXPECT_EQ(rig.port.written().find(std::string("s\0\0\r\n", 5)) != std::string::npos,
                  row.standby);
        if (std::string(row.name) == "both reports in one chunk") { // tested first
            EXPECT_FALSE(rig.logged("Datei wurde \xFC"
                                    "bernommen"));
        }
    }
}

TEST(SoftwareUpdate, ThreeFilesGoOutInOrderWithOneHandshake) {
    Rig<SoftwareUpdate> rig("hel\r\n");
    for (int t = 1; t <= 3; ++t) {
        std::string file = image(1000 + 7 * t);
        for (char& c : file)
            c = static_cast<char>(c ^ t);
        rig.host.files[t] = file;
        rig.host.names[t] = "f" + std::to_string(t);
        rig.port.respondTo(tail(rig.host.files[t]), stored());
    }
    rig.build();
    const auto log = rig.run();
    EXPECT_TRUE(rig.host.done);
    EXPECT_EQ(rig.count("hel\r\n"), 1u);
    EXPECT_EQ(rig.count(std::string("l\0\0\r\n", 5)), 3u);
    EXPECT_EQ(rig.count(std::string("s\0\0\r\n", 5)), 1u);
    const std::string all = rig.port.written();
    EXPECT_LT(all.find(rig.host.files[1]), all.find(rig.host.files[2]));
    EXPECT_LT(all.find(rig.host.files[2]), all.find(rig.host.files[3]));
    EXPECT_EQ(log[0], "Loading firmware");
    EXPECT_EQ(log[1], "Loading file: f1");
    EXPECT_TRUE(rig.logged("Next file: f2"));
    EXPECT_TRUE(rig.logged("Next file: f3"));
    EXPECT_EQ(log.back(), "Terminated");
}

TEST(SoftwareUpdate, NoFileOrNoConnection) {
    {
        Rig<SoftwareUpdate> rig("hel\r\n");
        rig.build();
        EXPECT_EQ(rig.run(), (std::vector<std::string>{"Loading firmware", "Terminated"}));
        EXPECT_TRUE(rig.port.written().empty());
    }
    {
        Rig<SoftwareUpdate> rig("xxx");
        rig.host.files[2] = image(20);
        rig.build();
        rig.run();
        EXPECT_TRUE(rig.logged("Keine Verbindung zum Receiver: "));
        // Unlike the list workers, a silent receiver is still put to standby.
        EXPECT_EQ(rig.count(std::string("s\0\0\r\n", 5)), 1u);
        EXPECT_FALSE(rig.host.done);
    }
}

} // namespace
