// A save killed at any moment leaves the old file or the new one, and the
// next save sweeps what the killed one left. The export's line ends.
#include "fileio/FileWriter.h"
#include "i18n/Messages.h"
#include "listformat/TextExport.h"
#include "listmodel/ListFileTexts.h"
#include "tests/channellist/ListTestSupport.h"
#include "tests/fileio/Scratch.h"

#include <QFile>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

using scratch::readFile;

TEST(KilledSave, TargetIsAlwaysOldOrNewAndTheNextSaveSweepsTheRest) {
    auto image = std::make_unique<ChannelListImage>();
    std::mt19937 random(9);
    listtest::randomImage(*image, random, 60);
    const std::string fresh = exportTextContent(*image, currentExportWords());
    const std::string old(fresh.size(), 'o');
    // On a tmpfs a sync costs nothing, so a kill can land in every step of
    // many saves; a disk needs longer runs for the same.
    scratch::Folder scratchFolder;
    const bool tmpfs = scratchFolder.mountTmpfs(4 << 20);
    const std::string folder = tmpfs ? scratchFolder.mountPoint() : scratchFolder.path();
    const unsigned longestRunUs = tmpfs ? 4000 : 30000;
    const std::string target = folder + "/t.txt";
    int cutShort = 0; // runs that left a temporary file behind
    int renewed = 0;  // runs that left the new file
    for (int run = 0; run < 100; ++run) {
        scratch::putFile(target, old);
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            // The first save of a fresh child is slow (its pages are copied
            // on first touch): make it elsewhere, then the kill can land
            // anywhere in the saves of the target.
            listtest::RecordingReporter reporter;
            exportText(*image, folder + "/warm-up", currentExportWords(), reporter);
            ::unlink((folder + "/warm-up").c_str());
            if (::write(ready[1], "r", 1) != 1)
                ::_exit(1);
            for (;;)
                exportText(*image, target, currentExportWords(), reporter);
        }
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % longestRunUs));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string left = readFile(target);
        renewed += left == fresh;
        ASSERT_TRUE(left == old || left == fresh) << "run " << run << ": " << left.size();
        cutShort += scratch::entries(folder).size() > 1;
        ASSERT_TRUE(fileio::writeFile(target, fresh).ok());
        ASSERT_EQ(scratch::entries(folder), std::vector<std::string>{"t.txt"});
    }
    std::cout << cutShort << " of 100 kills left a temporary file, " << renewed
              << " the new file\n";
}

TEST(KilledSave, SweepTakesOnlyDeadWritersOfTheSameTarget) {
    scratch::Folder folder;
    const pid_t dead = ::fork();
    if (dead == 0)
        ::_exit(0);
    ::waitpid(dead, nullptr, 0); // gone now, and reaped
    const std::string live = std::to_string(::getppid());
    const std::string stale = ".t.txt.quelvox-tmp." + std::to_string(dead) + "-0";
    const std::vector<std::string> kept = {".other.quelvox-tmp." + std::to_string(dead) + "-0",
                                           ".t.txt.quelvox-tmp." + live + "-0",
                                           ".t.txt.quelvox-tmp.notes"};
    for (const std::string& name : kept)
        scratch::putFile(folder / name, "x");
    scratch::putFile(folder / stale, "x");
    ASSERT_TRUE(fileio::writeFile(folder / "t.txt", "new").ok());
    std::vector<std::string> expected = kept;
    expected.push_back("t.txt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(scratch::entries(folder.path()), expected);
}

TEST(Replace, NewFileKeepsTheOldOnesPermissions) {
    scratch::Folder folder;
    scratch::putFile(folder / "p", "old");
    ::chmod((folder / "p").c_str(), 0640);
    ASSERT_TRUE(fileio::writeFile(folder / "p", "new").ok());
    struct stat st {};
    ASSERT_EQ(::stat((folder / "p").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A text-mode stream turns every LF into CR LF, one inside a name too; the
// name ends at its NUL byte.
TEST(ExportLineEnds, NameWithCrLfTabAndNul) {
    auto image = std::make_unique<ChannelListImage>();
    listtest::clearList(*image);
    i18n::resetMessages();
    image->channels[0] = listtest::channel(true, 7, "X");
    const std::string plain = exportTextContent(*image, currentExportWords());
    const char name[] = "A\rB\nC\tD\0E";
    std::copy(name, name + sizeof name - 1, image->channels[0].name.begin());
    std::string expected = plain;
    expected.replace(expected.find("\"X\""), 3, "\"A\rB\r\nC\tD\"");

    scratch::Folder folder;
    listtest::RecordingReporter reporter;
    ASSERT_TRUE(exportText(*image, folder / "e.txt", currentExportWords(), reporter));
    EXPECT_EQ(readFile(folder / "e.txt"), expected);
}

} // namespace
