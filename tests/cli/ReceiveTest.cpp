// quelvox-cli receive against the stand-in receiver on a pseudo-terminal, and
// the console progress it draws. The read time-outs are real (about 1.3 s of
// silence ends each stream); the dialogue's own pauses are compressed.
#include "cli/ConsoleProgress.h"
#include "tests/support/ListBlocks.h"
#include "tests/support/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

constexpr const char* kSpeedup = "25";

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

CliRun finish(QProcess& process) {
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err += process.readAllStandardError().toStdString();
    return run;
}

CliRun runCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUELVOX_CLI_PATH), arguments);
    return finish(process);
}

std::string fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    std::ifstream in("logRead.txt");
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A list file of random bytes whose checksum holds (or, when broken, does not).
std::string makeList(uint32_t seed, bool broken) {
    return listblocks::text(listblocks::make(seed, broken));
}

class ReceiveCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        std::remove("logRead.txt");
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString writeList(const char* name, const std::string& bytes) const {
        std::ofstream(path(name).toStdString(), std::ios::binary).write(bytes.data(), bytes.size());
        return path(name);
    }
    CliRun receive(const SimProcess& sim, const QString& out) const {
        return runCli({"receive", "--port", QString::fromStdString(sim.devicePath()), out,
                       "--speedup", kSpeedup});
    }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    QTemporaryDir dir;
};

TEST_F(ReceiveCommand, SavesTheServedListByteForByteAndReplacesTheOldFile) {
    const std::string served = makeList(7, false);
    const QString list = writeList("served.lst", served);
    writeList("out.lst", "an older file");
    SimProcess sim({"--list", list.toStdString(), "--speedup", kSpeedup});

    const CliRun run = receive(sim, path("out.lst"));

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Liste wurde vollst\xC3\xA4ndig empfangen\n");
    EXPECT_TRUE(fileBytes(path("out.lst")) == served);
    EXPECT_EQ(entries(), (QStringList{"out.lst", "served.lst"})); // no temporary file left
    // Not on a terminal: status lines and a percentage line every 10 %.
    EXPECT_NE(run.err.find("Liste wird empfangen...\n10 %\n"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("100 %\nSenderliste vollst\xC3\xA4ndig empfangen\n"), std::string::npos);
    const auto log = logLines();
    ASSERT_GE(log.size(), 6u);
    EXPECT_EQ(log.front(), "Receiving channel list");
    EXPECT_EQ(log[log.size() - 3], "Senderliste vollst\xE4ndig empfangen");
    EXPECT_EQ(log.back(), "Terminate");
}

TEST_F(ReceiveCommand, BrokenTransfersExitOneAndWriteNothing) {
    const QString corrupt = writeList("corrupt.lst", makeList(8, true));
    const struct {
        std::vector<std::string> simOptions;
        const char* message;
    } cases[] = {
        {{"--short"}, "Beim Empfang der Liste ist ein Fehler aufgetreten."},
        {{"--no-end-marker"}, "Beim Empfang der Liste ist ein Fehler aufgetreten."},
        {{"--list", corrupt.toStdString()},
         "Die empfangene Senderliste ist besch\xC3\xA4"
         "digt."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> options = c.simOptions;
        options.insert(options.end(), {"--speedup", kSpeedup});
        SimProcess sim(options);
        const CliRun run = receive(sim, path("out.lst"));
        EXPECT_EQ(run.exitCode, 1) << c.simOptions[0] << "\n" << run.err;
        EXPECT_NE(run.err.find(std::string("quelvox-cli: ") + c.message + "\n"), std::string::npos)
            << run.err;
        EXPECT_FALSE(QFileInfo::exists(path("out.lst"))) << c.simOptions[0];
        EXPECT_EQ(logLines().back(), "Terminate");
    }
    EXPECT_EQ(entries(), QStringList{"corrupt.lst"});
}

TEST_F(ReceiveCommand, CtrlCCancelsWithoutStandbyAndExitsOne) {
    SimProcess sim({"--silent", "--transcript", path("heard.txt").toStdString()});
    QProcess process;
    process.start(QStringLiteral(QUELVOX_CLI_PATH),
                  {"receive", "--port", QString::fromStdString(sim.devicePath()), path("out.lst"),
                   "--speedup", kSpeedup});
    // The first empty read shows the waiting status: the worker runs.
    process.setReadChannel(QProcess::StandardError);
    std::string err;
    while (err.find("Bitte warten..") == std::string::npos && process.waitForReadyRead(5000))
        err += process.readAllStandardError().toStdString();
    if (err.find("Bitte warten..") == std::string::npos) {
        process.kill();
        process.waitForFinished();
        FAIL() << "no waiting status: " << err;
    }
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    CliRun run = finish(process);
    run.err = err + run.err;

    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("quelvox-cli: Abbruch durch Benutzer\n"), std::string::npos) << run.err;
    const auto log = logLines();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "Cancel by User");
    EXPECT_EQ(log.back(), "Terminate");
    EXPECT_EQ(fileBytes(path("heard.txt")).find("300"), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(path("out.lst")));
}

TEST_F(ReceiveCommand, WrongUseAndUnusableTargetsExitTwoWithOneLine) {
    const QString missingDevice = path("no-such-tty");
    const QStringList wrong[] = {
        {"receive"},
        {"receive", path("out.lst")},
        {"receive", "--port"},
        {"receive", "--port", missingDevice},
        {"receive", "--port", missingDevice, path("a.lst"), path("b.lst")},
        {"receive", "--port", missingDevice, path("out.lst"), "--lang", "xx"},
        {"receive", "--port", missingDevice, path("out.lst"), "--speedup", "0"},
        {"receive", "--port", missingDevice, path("out.lst"), "--baud", "9600"},
        {"receive", "--port", missingDevice, path("out.lst")},
    };
    for (const QStringList& args : wrong) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("quelvox-cli: ", 0), 0u) << run.err;
    }
    // The port failure names the device and the error code.
    const CliRun run = runCli({"receive", "--port", missingDevice, path("out.lst")});
    EXPECT_NE(run.err.find("Port " + missingDevice.toStdString() +
                           " kann nicht ge\xC3\xB6"
                           "ffnet werden (error 8: "),
              std::string::npos)
        << run.err;
    // A port that another program has locked names that program, in the language asked for.
    QTemporaryDir locks;
    std::ofstream(locks.filePath(QStringLiteral("LCK..null")).toStdString())
        << std::setw(10) << ::getpid() << "\n";
    qputenv("QUELVOX_LOCK_DIR", locks.path().toLocal8Bit());
    const CliRun held = runCli({"receive", "--port", "/dev/null", path("out.lst"), "--lang", "fr"});
    qunsetenv("QUELVOX_LOCK_DIR");
    EXPECT_EQ(held.exitCode, 2);
    EXPECT_NE(
        held.err.find("impossible d'ouvrir le port /dev/null (utilis\xC3\xA9 par le processus " +
                      std::to_string(::getpid()) + "; error 8: "),
        std::string::npos)
        << held.err;
    // An unusable target is refused before the port is touched, with the
    // status of an output that cannot be written.
    for (const QString& target : {path("no/folder/out.lst"), dir.path()})
        EXPECT_EQ(runCli({"receive", "--port", missingDevice, target}).exitCode, 1);
    EXPECT_EQ(runCli({"receive", "--port", missingDevice, dir.path()}).err,
              "quelvox-cli: Daten konnten nicht gespeichert werden: " + dir.path().toStdString() +
                  "\n");
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_FALSE(QFileInfo::exists("logRead.txt"));
}

// Whether a signal waits in the process's pending set (read from /proc).
bool pending(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("ShdPnd:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// Two signals in a row (timeout's SIGTERM to the child and to its group, or
// Ctrl+C pressed twice) end the program at once; the port's lock file goes
// with it. The same signal twice is sent once the first has been taken, so
// the two do not merge into one; two different signals may arrive together.
TEST_F(ReceiveCommand, ASecondSignalEndsAtOnceAndLeavesNoPortLock) {
    const struct {
        const char* name;
        int first;
        int second;
        bool together;
    } cases[] = {
        {"SIGTERM twice", SIGTERM, SIGTERM, false},
        {"SIGTERM and SIGHUP at once", SIGTERM, SIGHUP, true},
        {"Ctrl+C twice", SIGINT, SIGINT, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir locks;
        SimProcess sim({"--silent"});
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUELVOX_LOCK_DIR"), locks.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(QUELVOX_CLI_PATH),
                      {"receive", "--port", QString::fromStdString(sim.devicePath()),
                       path("out.lst"), "--speedup", kSpeedup});
        process.setReadChannel(QProcess::StandardError);
        std::string err;
        while (err.find("Bitte warten..") == std::string::npos && process.waitForReadyRead(5000))
            err += process.readAllStandardError().toStdString();
        const QStringList held = QDir(locks.path()).entryList({"LCK..*"}, QDir::Files);
        const auto pid = static_cast<pid_t>(process.processId());
        if (c.together)
            ::kill(pid, SIGSTOP);
        ::kill(pid, c.first);
        if (!c.together) {
            for (int i = 0; i < 5000 && pending(pid, c.first); ++i)
                ::usleep(1000);
        }
        ::kill(pid, c.second);
        if (c.together)
            ::kill(pid, SIGCONT);
        CliRun run = finish(process);
        run.err = err + run.err;

        EXPECT_EQ(held.size(), 1) << "the port was locked while the transfer ran";
        EXPECT_TRUE(QDir(locks.path()).entryList(QDir::Files).isEmpty());
        // The first signal cancels; a run that wound up before the second
        // came ends as cancelled, else the second ends it at once.
        if (run.exitCode == 1) {
            EXPECT_NE(run.err.find("Abbruch durch Benutzer"), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.exitCode, 130) << run.err;
            EXPECT_NE(run.err.find("quelvox-cli: aborted\n"), std::string::npos) << run.err;
        }
        if (c.together) {
            EXPECT_EQ(run.exitCode, 130) << run.err;
        }
        EXPECT_FALSE(QFileInfo::exists(path("out.lst")));
    }
}

TEST(ConsoleProgressTest, PipeGetsALineEveryTenPercentAndTerminalABarBelowTheStatus) {
    std::ostringstream pipe;
    ConsoleProgress plain(pipe, false);
    plain.line("Liste wird empfangen...");
    for (int percent : {1, 9, 10, 11, 25, 26, 99, 100, 100, 0, 3, 12})
        plain.setPercent(percent);
    EXPECT_EQ(pipe.str(), "Liste wird empfangen...\n10 %\n25 %\n99 %\n100 %\n12 %\n");

    std::ostringstream tty;
    ConsoleProgress bar(tty, true);
    bar.setPercent(5);
    bar.setPercent(5); // unchanged: not redrawn
    bar.line("Status");
    bar.setPercent(250); // held at a full bar
    bar.setPercent(0);
    bar.line("Terminate");
    const std::string five = "\r[##--------------------------------------]   5 %";
    const std::string full = "\r[########################################] 100 %";
    EXPECT_EQ(tty.str(), five + "\r\033[KStatus\n" + five + full + "\nTerminate\n");
}

} // namespace
