// Every pause and give-up count of the three transfer workers, in virtual
// time: for a log line, the pauses the worker makes before its next log line,
// and how many reads came before it. A pause or count off by a tenth fails.
#include "serial/ListReceive.h"
#include "serial/ListSend.h"
#include "serial/SoftwareUpdate.h"
#include "tests/serial/ListStreams.h"
#include "tests/serial/SendRecorder.h"
#include "tests/support/ScriptedPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

using list_streams::framed;
using list_streams::image;
using list_streams::menu;
using SP = ScriptedPort;
using Pauses = std::vector<int64_t>;

// Virtual time that keeps each pause with the number of log lines before it.
class PauseClock : public VirtualClock {
public:
    void sleepMs(int64_t ms) override {
        VirtualClock::sleepMs(ms);
        pauses.emplace_back(logLength(), ms);
    }
    std::function<size_t()> logLength = [] { return size_t{0}; };
    std::vector<std::pair<size_t, int64_t>> pauses;
};

struct Row {
    std::string line; // first log line with this text
    Pauses pauses;    // every pause between it and the next log line
    int readsBefore;  // reads started before it was logged; -1: not checked
};

struct Scenario {
    const char* name;
    std::function<void(ScriptedPort&, SendRecorder&)> script;
    std::vector<Row> rows;
    int64_t totalMs; // virtual time of the whole run; -1: not checked
};

// Three command bytes, 70 ms after each (the CR LF go unpaced).
const Pauses kCommand = {70, 70, 70};

Pauses then(Pauses first, const Pauses& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

template <class Machine> void checkScenario(const Scenario& scenario) {
    SCOPED_TRACE(scenario.name);
    PauseClock clock;
    ScriptedPort port{clock};
    SendRecorder host;
    scenario.script(port, host);
    Machine machine(port, clock, host);
    std::vector<size_t> readsAt; // log length at the start of each read
    clock.logLength = [&machine] { return machine.log().size(); };
    port.setOnRead([&] { readsAt.push_back(machine.log().size()); });
    machine.Run();

    const auto log = machine.log();
    for (const Row& row : scenario.rows) {
        const auto at = std::find(log.begin(), log.end(), row.line);
        ASSERT_NE(at, log.end()) << "not logged: " << row.line;
        const size_t lines = static_cast<size_t>(at - log.begin()) + 1;
        Pauses after;
        for (const auto& [logged, ms] : clock.pauses)
            if (logged == lines)
                after.push_back(ms);
        EXPECT_EQ(after, row.pauses) << "after \"" << row.line << '"';
        if (row.readsBefore >= 0) {
            const auto reads = std::count_if(readsAt.begin(), readsAt.end(),
                                             [lines](size_t logged) { return logged < lines; });
            EXPECT_EQ(reads, row.readsBefore) << "reads before \"" << row.line << '"';
        }
    }
    if (scenario.totalMs >= 0) {
        EXPECT_EQ(clock.nowMs(), scenario.totalMs);
    }
}

std::string tail(const std::string& bytes) {
    return bytes.substr(bytes.size() - std::min<size_t>(bytes.size(), 16));
}

const char kConnectedInMenu[] = "Verbindung mit Receiver hergestellt (im Startmen\xFC)";
const char kReadError[] = "Lesefehler auf serieller Schnittstelle ";
const char kStandby[] = "Receiver ausschalten (Standby)";

TEST(ListReceivePauses, EveryPauseAndGiveUpCount) {
    const std::vector<Scenario> scenarios = {
        {"starting receiver, then the list",
         [](SP& port, SendRecorder&) {
             port.queue(SP::chunk("StartUpControl\r\n"));
             port.respondTo("400\r\n400\r\n", {SP::chunk(menu())});
             port.respondTo("500\r\n", {SP::chunk(framed(image()))});
         },
         {{"Receiving channel list", kCommand, 0},
          {"Found StartUpControl", then({100}, kCommand), 1},
          {"Verbindung mit Receiver hergestellt", then({100}, kCommand), 2},
          {"Senderliste vollst\xE4ndig empfangen", then({100, 100}, kCommand), -1},
          {kStandby, {5000}, -1}},
         -1},
        {"silent line",
         [](SP&, SendRecorder&) {},
         {{"Keine Verbindung zum Receiver: COM3", {100}, 100}},
         210 + 100 * 1274 + 100},
        {"unrelated text",
         [](SP& port, SendRecorder&) { port.queue(std::vector(21, SP::chunk("noise"))); },
         {{"readStuff == 15, try 100", kCommand, 15},
          {"readStuff == 19, try 100", kCommand, 19},
          {"readstuff > 20", {}, 21}},
         -1},
    };
    for (const Scenario& scenario : scenarios)
        checkScenario<ListReceive>(scenario);
}

// A list send whose receiver prints `after` once the image is in.
std::function<void(SP&, SendRecorder&)> listSend(std::vector<SP::Event> after,
                                                 bool menuToHelp = true) {
    return [after, menuToHelp](SP& port, SendRecorder& host) {
        host.files[5] = image(1000);
        host.names[5] = "my.lst";
        if (menuToHelp)
            port.respondTo("400\r\n", {SP::chunk(menu())});
        port.respondTo(tail(host.files[5]), after);
    };
}

TEST(ListSendPauses, EveryPauseAndGiveUpCount) {
    const Pauses standby = then({100}, then(kCommand, {5000}));
    const std::vector<Scenario> scenarios = {
        {"stored",
         listSend({SP::chunk("File OK!\r\n"), SP::chunk("ptImage->UnzipedCrc = 0x1\r\n")}),
         {{"my.lst", kCommand, 0},
          {kConnectedInMenu, then({100, 70}, kCommand), 1},
          {"Liste wird \xFC"
           "bertragen...",
           {200},
           1},
          {"Liste wurde \xFC"
           "bernommen",
           {5000},
           2},
          {"Speichern beendet", then({1000}, standby), 3}},
         -1},
        {"damaged",
         listSend({SP::chunk("ready\r\n")}),
         {{"Die Senderliste ist besch\xE4"
           "digt.",
           then({100}, standby), 2}},
         -1},
        {"no report", listSend({}), {{"readNothing 20", then({100}, standby), 21}}, -1},
        {"no end of storing",
         listSend({SP::chunk("File OK!")}),
         {{kReadError, then({100}, standby), 22}},
         -1},
        {"unrelated text while checking",
         listSend(std::vector(21, SP::chunk("noise"))),
         {{"readStuff > 20", {}, 22}},
         -1},
        {"silent line",
         listSend({}, false),
         {{"Keine Verbindung zum Receiver: ", {100}, 5}},
         210 + 5 * 762 + 100},
        {"unrelated text in the handshake",
         [](SP& port, SendRecorder& host) {
             host.files[5] = image(100);
             port.queue(std::vector(21, SP::chunk("noise")));
         },
         {{"readStuff == 19, try 100", then({100}, kCommand), 19}, {"readstuff > 20", {}, 21}},
         -1},
    };
    for (const Scenario& scenario : scenarios)
        checkScenario<ListSend>(scenario);
}

// A software update of `files` files, each answered by `after`.
std::function<void(SP&, SendRecorder&)> update(int files, std::vector<SP::Event> after,
                                               bool menuToHelp = true) {
    return [files, after, menuToHelp](SP& port, SendRecorder& host) {
        for (int t = 1; t <= files; ++t) {
            host.files[t] = image(95 + 10 * t);
            host.names[t] = "f" + std::to_string(t);
            port.respondTo(tail(host.files[t]), after);
        }
        if (menuToHelp)
            port.respondTo("hel\r\n", {SP::chunk(menu())});
    };
}

TEST(SoftwareUpdatePauses, EveryPauseAndGiveUpCount) {
    const std::vector<SP::Event> stored = {SP::chunk("File OK!"), SP::chunk("Write Sector"),
                                           SP::chunk("ptImage->UnzipedCrc")};
    const Pauses standby = then({100}, kCommand);
    const std::vector<Scenario> scenarios = {
        {"three files stored",
         update(3, stored),
         {{"Loading file: f1", kCommand, 0},
          {kConnectedInMenu, then({100, 70}, kCommand), 1},
          {"Datei wird \xFC"
           "bertragen...",
           {200},
           1},
          {"Datei wurde \xFC"
           "bernommen",
           {},
           2},
          {"Datei wird gespeichert", {3000}, 3},
          {"Speichern beendet", {1000}, 4},
          {"Next file: f2", then({1000, 70}, kCommand), 4},
          {"Next file: f3", then({1000, 70}, kCommand), 7},
          {"Alle Dateien wurden \xFC"
           "bertragen",
           then({500, 1000}, standby), 10},
          {kStandby, {5000}, 10}},
         -1},
        {"damaged",
         update(1, {SP::chunk("ready")}),
         {{"Die Datei ist besch\xE4"
           "digt.",
           then({100}, standby), 2}},
         -1},
        {"no report", update(1, {}), {{"readNothing 20", then({100}, standby), 21}}, -1},
        {"File OK, then nothing",
         update(1, {SP::chunk("File OK!")}),
         {{"readNothing 20", then({100}, standby), 22}},
         -1},
        {"no end of writing",
         update(1, {SP::chunk("Write Sector")}),
         {{kReadError, then({100}, standby), 22}},
         -1},
        {"unrelated text while checking",
         update(1, std::vector(21, SP::chunk("noise"))),
         {{"readStuff > 20", {}, 22}},
         -1},
        {"silent line",
         update(1, {}, false),
         {{"Keine Verbindung zum Receiver: ", then({100}, standby), 5}, {kStandby, {5000}, 5}},
         210 + 5 * 1274 + 100 + 100 + 210 + 5000},
    };
    for (const Scenario& scenario : scenarios)
        checkScenario<SoftwareUpdate>(scenario);
}

} // namespace
