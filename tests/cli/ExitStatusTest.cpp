// One failure kind, one exit status, whichever command meets it: the table of
// quelvox-cli --help and its manual page, through the program's exit status
// and its error line.
#include "tests/support/ListBlocks.h"
#include "tests/support/SimProcess.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

struct Row {
    const char* kind;
    QStringList args;
    int exitCode;
    std::string err; // part of the error output
};

struct CliRun {
    int exitCode = -1;
    std::string err;
};

// sizeLimitKb: runs the program under "ulimit -f" (blocks of 1 KiB in bash,
// 512 bytes in sh: kept small either way).
CliRun runCli(const QStringList& arguments, int sizeLimitKb = 0) {
    QProcess process;
    if (sizeLimitKb > 0)
        process.start(
            QStringLiteral("/bin/sh"),
            QStringList{"-c", QStringLiteral("ulimit -f %1; exec \"$0\" \"$@\"").arg(sizeLimitKb),
                        QStringLiteral(QUELVOX_CLI_PATH)} +
                arguments);
    else
        process.start(QStringLiteral(QUELVOX_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.err = process.readAllStandardError().toStdString();
    return run;
}

TEST(CliExitStatus, EveryCommandGivesTheSameStatusForTheSameKindOfFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const QString list = path("list.lst");
    ASSERT_TRUE(listblocks::writeFile(list, listblocks::make(4)));
    const QString software = path("soft.app");
    ASSERT_TRUE(listblocks::writeFile(software, std::vector<uint8_t>(3000, 0x5a)));
    const QString fifo = path("fifo");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString missing = path("missing.lst");
    const QString noFolder = path("no/folder/out.lst");
    const QString noPort = path("no-such-tty");
    const std::string notSaved = "Daten konnten nicht gespeichert werden";
    const std::string notOpened = " kann nicht ge\xC3\xB6"
                                  "ffnet werden";

    const Row rows[] = {
        // wrong use
        {"unknown option", {"info", list, "--colour"}, 2, "unknown option '--colour' for info"},
        {"unknown option", {"export", list, path("o.txt"), "--colour"}, 2, "for export"},
        {"unknown option", {"resave", list, path("o.lst"), "--colour"}, 2, "for resave"},
        {"unknown option",
         {"reorder", "--like", list, list, path("o.lst"), "--colour"},
         2,
         "for reorder"},
        {"unknown option", {"diff", list, list, "--colour"}, 2, "for diff"},
        {"unknown option", {"ports", "--colour"}, 2, "for ports"},
        {"unknown option",
         {"receive", "--port", noPort, path("o.lst"), "--colour"},
         2,
         "for receive"},
        {"unknown option", {"send", "--port", noPort, list, "--colour"}, 2, "for send"},
        {"unknown option", {"update", "--port", noPort, software, "--colour"}, 2, "for update"},
        {"value missing", {"export", list, path("o.txt"), "--lang"}, 2, "--lang needs one of"},
        {"value missing", {"send", list, "--port"}, 2, "--port needs a device"},
        {"too many files",
         {"update", "--port", noPort, software, software, software, software},
         2,
         ""},
        // an input that cannot be read
        {"input missing", {"info", missing}, 2, "cannot read"},
        {"input missing", {"export", missing, path("o.txt")}, 2, "cannot read"},
        {"input missing", {"resave", missing, path("o.lst")}, 2, "cannot read"},
        {"input missing", {"reorder", "--like", list, missing, path("o.lst")}, 2, "cannot read"},
        {"input missing", {"diff", list, missing}, 2, "cannot read"},
        {"input missing", {"send", "--port", noPort, missing}, 2, "no such list file"},
        {"input missing", {"update", "--port", noPort, missing}, 2, "none of the software files"},
        // a port that cannot be opened, by path and by number
        {"port", {"receive", "--port", noPort, path("o.lst")}, 2, notOpened},
        {"port", {"send", "--port", noPort, list}, 2, notOpened},
        {"port", {"send", "--port", "99", list}, 2, notOpened},
        {"port", {"update", "--port", noPort, software}, 2, notOpened},
        {"port", {"update", "--port", "99", software}, 2, notOpened},
        // an output that is no file
        {"output FIFO", {"export", "--force", list, fifo}, 2, "is a FIFO"},
        {"output FIFO", {"resave", "--force", list, fifo}, 2, "is a FIFO"},
        {"output FIFO", {"receive", "--port", noPort, fifo}, 2, notSaved},
        // an output that cannot be written
        {"output folder missing", {"export", "--force", list, noFolder}, 1, notSaved},
        {"output folder missing", {"resave", "--force", list, noFolder}, 1, notSaved},
        {"output folder missing", {"receive", "--port", noPort, noFolder}, 1, notSaved},
        {"output is a folder", {"resave", "--force", list, dir.path()}, 1, notSaved},
        {"output is a folder", {"receive", "--port", noPort, dir.path()}, 1, notSaved},
    };
    for (const Row& row : rows) {
        const CliRun run = runCli(row.args);
        SCOPED_TRACE(std::string(row.kind) + ": " + row.args.join(' ').toStdString() + "\n" +
                     run.err);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_NE(run.err.find(row.err), std::string::npos);
        EXPECT_EQ(run.err.rfind("quelvox-cli: ", 0), 0u);
    }

    // An output that cannot be written once the work is done: the file size
    // limit reached by the saved list, with and without a transfer before.
    const CliRun resaved = runCli({"resave", "--force", list, path("limited.lst")}, 20);
    EXPECT_EQ(resaved.exitCode, 1) << resaved.err;
    EXPECT_NE(resaved.err.find(notSaved), std::string::npos) << resaved.err;
    SimProcess receiver({"--list", list.toStdString(), "--speedup", "25"});
    const CliRun received =
        runCli({"receive", "--port", QString::fromStdString(receiver.devicePath()),
                path("received.lst"), "--speedup", "25"},
               20);
    EXPECT_EQ(received.exitCode, 1) << received.err;
    EXPECT_NE(received.err.find(notSaved), std::string::npos) << received.err;
    EXPECT_EQ(QDir(dir.path()).entryList({"*limited*", "*received*"}, QDir::Files | QDir::Hidden),
              QStringList());
}

} // namespace
