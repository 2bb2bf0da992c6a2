// quelvox-cli export and resave to targets that are no regular file: a FIFO
// is refused with exit status 2 at once, a folder fails with 1, a device node is written
// in place and never replaced, and its write error is a failure exit.
#include "listformat/ListFile.h"
#include "tests/channellist/ListTestSupport.h"
#include "tests/fileio/Scratch.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <memory>

namespace {

int runCli(const QStringList& arguments, std::string& err) {
    QProcess process;
    process.start(QStringLiteral(QUELVOX_CLI_PATH), arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    err = process.readAllStandardError().toStdString();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

enum class Target { Fifo, Folder, NullNode, FullNode };

struct Row {
    const char* command;
    Target target;
    int exitCode;
    mode_t typeAfter;
};

TEST(CliTargets, NonFileTargetsAreRefusedOrWrittenInPlace) {
    scratch::Folder folder;
    {
        auto image = std::make_unique<ChannelListImage>();
        std::mt19937 random(3);
        listtest::randomImage(*image, random, 60);
        listtest::RecordingReporter reporter;
        ASSERT_TRUE(saveListFile(*image, folder / "in.lst", reporter));
    }
    const bool devices =
        scratch::makeDevice(folder / "null", 3) && scratch::makeDevice(folder / "full", 7);
    ::mkfifo((folder / "fifo").c_str(), 0644);
    ::mkdir((folder / "dir").c_str(), 0755);

    const Row rows[] = {
        {"export", Target::Fifo, 2, S_IFIFO},     {"resave", Target::Fifo, 2, S_IFIFO},
        {"export", Target::Folder, 1, S_IFDIR},   {"resave", Target::Folder, 1, S_IFDIR},
        {"export", Target::NullNode, 0, S_IFCHR}, {"resave", Target::NullNode, 0, S_IFCHR},
        {"export", Target::FullNode, 1, S_IFCHR}, {"resave", Target::FullNode, 1, S_IFCHR},
    };
    for (const Row& row : rows) {
        const bool device = row.target == Target::NullNode || row.target == Target::FullNode;
        if (device && !devices)
            continue;
        const char* names[] = {"fifo", "dir", "null", "full"};
        const std::string target = folder / names[static_cast<int>(row.target)];
        std::string err;
        const int exitCode = runCli({row.command, QString::fromStdString(folder / "in.lst"),
                                     QString::fromStdString(target)},
                                    err);
        SCOPED_TRACE(std::string(row.command) + " to " + target + ": " + err);
        EXPECT_EQ(exitCode, row.exitCode);
        EXPECT_EQ(scratch::typeOf(target), row.typeAfter);
        EXPECT_EQ(err.empty(), row.exitCode == 0);
    }
    EXPECT_EQ(scratch::entries(folder.path()).size(), devices ? 5u : 3u);
    if (!devices)
        GTEST_SKIP() << "device rows skipped: cannot make device nodes here (needs root)";
}

} // namespace
