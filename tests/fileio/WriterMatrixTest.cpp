// Every writer of the program against real file systems: a full disk, a file
// size limit, a read-only file system, a folder that takes no new file, and
// targets that are a folder, a FIFO, device nodes and a symbolic link.
#include "app/Settings.h"
#include "listformat/ListFile.h"
#include "listformat/TextExport.h"
#include "listmodel/ListFileTexts.h"
#include "serial/WorkerLog.h"
#include "tests/channellist/ListTestSupport.h"
#include "tests/fileio/Scratch.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace {

using scratch::readFile;

const ChannelListImage& sampleImage() {
    static const auto image = [] {
        auto i = std::make_unique<ChannelListImage>();
        std::mt19937 random(5);
        listtest::randomImage(*i, random, 60);
        return i;
    }();
    return *image;
}

QString q(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

bool saveSettings(const std::string& path) {
    Settings settings;
    settings.PortNumber = 3;
    settings.TitleText = "Neu";
    return settings.write(q(path)) == Settings::SaveResult::Saved;
}

bool saveExport(const std::string& path) {
    listtest::RecordingReporter reporter;
    return exportText(sampleImage(), path, currentExportWords(), reporter);
}

bool saveList(const std::string& path) {
    auto image = std::make_unique<ChannelListImage>(sampleImage());
    listtest::RecordingReporter reporter;
    return saveListFile(*image, path, reporter);
}

bool saveLog(const std::string& path) {
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back("Pass " + std::to_string(i) + ": standby");
    return writeWorkerLog(path, lines);
}

struct Caller {
    const char* name;
    bool (*save)(const std::string& path);
    std::size_t minSize; // what the caller writes is at least this long
};

const Caller callers[] = {
    {"settings", saveSettings, 106},
    {"export", saveExport, 13 * 1024},
    {"list", saveList, 185026},
    {"log", saveLog, 500},
};

// Prepares the case around the caller's old file and returns the target, or
// nothing (after setting skip) where the case cannot be built here.
using Prepare = std::function<std::string(scratch::Folder&, const std::string& old)>;
using Save = std::function<bool(const Caller&, const std::string& target)>;

std::string skip;

bool plainSave(const Caller& caller, const std::string& target) {
    return caller.save(target);
}

// Every caller saves over its old file. expectSaved: the new bytes are in the
// file; otherwise the save reports a failure and the old file is whole. No
// temporary file is left either way.
void runMatrix(const Prepare& prepare, bool expectSaved, const Save& save = plainSave) {
    for (const Caller& caller : callers) {
        SCOPED_TRACE(caller.name);
        std::string expected;
        {
            scratch::Folder reference;
            ASSERT_TRUE(caller.save(reference / "file"));
            expected = readFile(reference / "file");
            ASSERT_GE(expected.size(), caller.minSize);
        }
        const std::string old(caller.minSize, 'o');
        scratch::Folder folder;
        const std::string target = prepare(folder, old);
        if (target.empty())
            GTEST_SKIP() << skip;
        const std::string where = target.substr(0, target.rfind('/'));
        const auto before = scratch::entries(where);
        EXPECT_EQ(save(caller, target), expectSaved);
        EXPECT_EQ(readFile(target), expectSaved ? expected : old);
        EXPECT_EQ(scratch::entries(where), before);
    }
}

std::string inTmpfs(scratch::Folder& folder, const std::string& old, std::size_t size) {
    if (!folder.mountTmpfs(size)) {
        skip = "cannot mount a tmpfs here (needs root and mount permission)";
        return {};
    }
    const std::string target = folder.mountPoint() + "/target";
    scratch::putFile(target, old);
    return target;
}

TEST(Writers, FullFileSystemFailsAndKeepsTheOldFile) {
    runMatrix(
        [](scratch::Folder& folder, const std::string& old) {
            const std::string target = inTmpfs(folder, old, 512 * 1024);
            if (!target.empty())
                scratch::fillUp(folder.mountPoint() + "/filler");
            return target;
        },
        false);
}

TEST(Writers, FileSizeLimitFailsAndKeepsTheOldFile) {
    runMatrix(
        [](scratch::Folder& folder, const std::string& old) {
            scratch::putFile(folder / "target", old);
            return folder / "target";
        },
        false,
        [](const Caller& caller, const std::string& target) {
            return scratch::inChild([&] {
                       const rlim_t limit = caller.minSize / 2;
                       const rlimit fileSize{limit, limit};
                       ::signal(SIGXFSZ, SIG_IGN);
                       ::setrlimit(RLIMIT_FSIZE, &fileSize);
                       return caller.save(target) ? 0 : 1;
                   }) == 0;
        });
}

TEST(Writers, ReadOnlyFileSystemFailsAndKeepsTheOldFile) {
    runMatrix(
        [](scratch::Folder& folder, const std::string& old) {
            const std::string target = inTmpfs(folder, old, 1024 * 1024);
            if (!target.empty() && !folder.remountReadOnly()) {
                skip = "cannot remount the tmpfs read-only";
                return std::string();
            }
            return target;
        },
        false);
}

// The settings case: a folder that takes no new file, holding a writable
// file. The file is overwritten in place. Root ignores the folder's mode, so
// the save then runs as an ordinary user.
TEST(Writers, WritableFileInAFolderWithoutWriteAccessIsWrittenInPlace) {
    runMatrix(
        [](scratch::Folder& folder, const std::string& old) {
            const std::string target = folder / "target";
            scratch::putFile(target, old);
            ::chmod(target.c_str(), 0666);
            ::chmod(folder.path().c_str(), 0555);
            return target;
        },
        true,
        [](const Caller& caller, const std::string& target) {
            return scratch::inChild([&] {
                       if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                           return 2;
                       return caller.save(target) ? 0 : 1;
                   }) == 0;
        });
}

// Saves as an ordinary user (root ignores the folder's mode) under a file
// size limit, if one is given.
bool saveAsUser(const Caller& caller, const std::string& target, rlim_t sizeLimit = 0) {
    return scratch::inChild([&] {
               if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                   return 2;
               if (sizeLimit != 0) {
                   const rlimit fileSize{sizeLimit, sizeLimit};
                   ::signal(SIGXFSZ, SIG_IGN);
                   ::setrlimit(RLIMIT_FSIZE, &fileSize);
               }
               return caller.save(target) ? 0 : 1;
           }) == 0;
}

// A file overwritten in place is checked against the size limit before its
// first byte changes: nothing of the old file is torn.
TEST(Writers, InPlaceSaveOverTheFileSizeLimitKeepsTheOldFile) {
    runMatrix(
        [](scratch::Folder& folder, const std::string& old) {
            const std::string target = folder / "target";
            scratch::putFile(target, old);
            ::chmod(target.c_str(), 0666);
            ::chmod(folder.path().c_str(), 0555);
            return target;
        },
        false,
        [](const Caller& caller, const std::string& target) {
            return saveAsUser(caller, target, caller.minSize / 2);
        });
}

// The same on a full disk, over an old file whose blocks do not hold the new
// content: the room is reserved before the first byte changes. (Settings
// and logs fit in the old file's own blocks.)
TEST(Writers, InPlaceSaveOnAFullDiskKeepsTheOldFile) {
    for (const Caller& caller : callers) {
        if (caller.minSize < 3 * 4096)
            continue;
        SCOPED_TRACE(caller.name);
        scratch::Folder folder;
        const std::string old(5000, 'o');
        const std::string target = inTmpfs(folder, old, 512 * 1024);
        if (target.empty())
            GTEST_SKIP() << skip;
        ::chmod(target.c_str(), 0666); // the tmpfs's root takes no new file from the user
        scratch::fillUp(folder.mountPoint() + "/filler");
        const auto before = scratch::entries(folder.mountPoint());
        EXPECT_FALSE(saveAsUser(caller, target));
        EXPECT_EQ(readFile(target), old);
        EXPECT_EQ(scratch::entries(folder.mountPoint()), before);
    }
}

TEST(Writers, FolderAsTargetIsRefused) {
    for (const Caller& caller : callers) {
        scratch::Folder folder;
        ::mkdir((folder / "target").c_str(), 0755);
        EXPECT_FALSE(caller.save(folder / "target")) << caller.name;
        EXPECT_EQ(scratch::typeOf(folder / "target"), S_IFDIR);
        EXPECT_EQ(scratch::entries(folder.path()).size(), 1u);
    }
}

TEST(Writers, FifoIsRefusedWithoutWaitingForAReader) {
    ::alarm(20); // a writer that waits for a reader ends the test here
    for (const Caller& caller : callers) {
        scratch::Folder folder;
        ASSERT_EQ(::mkfifo((folder / "target").c_str(), 0644), 0);
        EXPECT_FALSE(caller.save(folder / "target")) << caller.name;
        EXPECT_EQ(scratch::typeOf(folder / "target"), S_IFIFO);
        EXPECT_EQ(scratch::entries(folder.path()).size(), 1u);
    }
    ::alarm(0);
}

// Nodes made here with the numbers of /dev/null and /dev/full: written in
// place, never replaced; the full one reports its error.
TEST(Writers, CharacterDevicesAreWrittenInPlace) {
    for (const Caller& caller : callers) {
        scratch::Folder folder;
        if (!scratch::makeDevice(folder / "null", 3) || !scratch::makeDevice(folder / "full", 7))
            GTEST_SKIP() << "cannot make device nodes here (needs root, no nodev mount)";
        EXPECT_TRUE(caller.save(folder / "null")) << caller.name;
        EXPECT_FALSE(caller.save(folder / "full")) << caller.name;
        EXPECT_EQ(scratch::typeOf(folder / "null"), S_IFCHR);
        EXPECT_EQ(scratch::typeOf(folder / "full"), S_IFCHR);
        EXPECT_EQ(scratch::entries(folder.path()).size(), 2u);
    }
}

TEST(Writers, SymbolicLinkWritesTheFileItPointsTo) {
    runMatrix(
        [](scratch::Folder& folder, const std::string& old) {
            ::mkdir((folder / "real").c_str(), 0755);
            scratch::putFile(folder / "real/file", old);
            ::symlink("real/file", (folder / "link").c_str());
            return folder / "link";
        },
        true);
    scratch::Folder folder;
    ::symlink("file", (folder / "link").c_str());
    EXPECT_TRUE(saveLog(folder / "link")); // a dangling link creates its file
    EXPECT_EQ(scratch::typeOf(folder / "link"), S_IFLNK);
    EXPECT_EQ(scratch::typeOf(folder / "file"), S_IFREG);
}

} // namespace
