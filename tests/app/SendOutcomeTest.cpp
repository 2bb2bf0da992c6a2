// The rules of a list send and a software update: list names, reading the
// files, the checks after the identity read with the backup of the
// receiver's list, and the file-type cursor.
#include "transfer/SendOutcome.h"
#include "tests/support/ListBlocks.h"
#include "transfer/TransferState.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
using Verdict = ListSendCheck::Verdict;

// A valid list whose bytes from `length` on are zero, so that its first
// `length` bytes make a valid short file.
std::vector<uint8_t> list(uint8_t identity, size_t length = ListImageBytes, bool corrupt = false) {
    std::vector<uint8_t> block = listblocks::make(identity);
    block[28] = identity;
    std::fill(block.begin() + static_cast<long>(length), block.end(), 0);
    uint32_t crc = listCrc32(block.data() + 28, listblocks::crcEnd - 28) ^ (corrupt ? 1u : 0u);
    for (int i = 0; i < 4; ++i)
        block[8 + i] = static_cast<uint8_t>(crc >> (8 * i));
    block.resize(length);
    return block;
}

TEST(SendRules, ListNamesInAnyLetterCase) {
    for (const char* name : {"a.lst", "b.LST", "c.Lst", "dlst"})
        EXPECT_TRUE(isListFileName(QString::fromLatin1(name))) << name;
    for (const char* name : {"a.app", "a.lst.bak", "a.ls", ""})
        EXPECT_FALSE(isListFileName(QString::fromLatin1(name))) << name;
}

TEST(SendRules, FileTypeCursorSkipsMissingFiles) {
    struct Case {
        std::array<int32_t, 3> sizes;
        std::vector<int> types;
    };
    for (const Case& c : {Case{{5, 0, 7}, {1, 3, 0}}, Case{{0, 0, 0}, {0}}, Case{{0, 0, 4}, {3, 0}},
                          Case{{1, 2, 3}, {1, 2, 3, 0}}, Case{{0, 2, 0}, {2, 0}}}) {
        TransferState s;
        s.SoftwareSizes = c.sizes;
        std::vector<int> got{s.GetFirstFirmFileType()};
        while (got.back() != 0 && got.size() < 6)
            got.push_back(s.GetNextFirmFileType());
        EXPECT_EQ(got, c.types);
    }
}

class IdentityCheck : public ::testing::Test {
protected:
    // The identity read brought this list, the file to send holds that one.
    ListSendCheck check(const std::vector<uint8_t>& received, const std::vector<uint8_t>& file) {
        state.SendFileName = dir.filePath(QStringLiteral("send.lst"));
        listblocks::writeFile(state.SendFileName, file);
        state.allocateReceiveBuffer();
        std::copy(received.begin(), received.end(), state.ReceiveBuffer.begin());
        state.ReceivedSize = static_cast<int32_t>(received.size());
        return checkListForSend(state, backups);
    }
    QStringList backupFiles() const { return QDir(backups).entryList(QDir::Files); }

    QTemporaryDir dir;
    QString backups = dir.filePath(QStringLiteral("backups"));
    TransferState state;
};

TEST_F(IdentityCheck, VerdictsByIdentityChecksumAndLength) {
    struct Case {
        const char* name;
        std::vector<uint8_t> received;
        std::vector<uint8_t> file;
        Verdict verdict;
    };
    const std::vector<Case> cases = {
        {"same identity", list(7), list(7), Verdict::Send},
        {"receiver identity 0 takes any", list(0), list(9), Verdict::Send},
        {"other identity", list(7), list(9), Verdict::Unsuitable},
        {"wrong checksum", list(7), list(7, ListImageBytes, true), Verdict::NoList},
        // A short file: its missing bytes count as zero, never read past it.
        {"184997 bytes", list(7), list(7, 184997), Verdict::Send},
        {"184996 bytes", list(7), list(7, 184996), Verdict::Stop},
        {"nothing received", {}, list(7), Verdict::Stop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(backups).removeRecursively();
        const ListSendCheck result = check(c.received, c.file);
        EXPECT_EQ(result.verdict, c.verdict);
        EXPECT_EQ(backupFiles().size(), c.verdict == Verdict::Send ? 1 : 0);
        if (c.verdict != Verdict::Send)
            continue;
        EXPECT_EQ(state.ListFileSize, static_cast<int32_t>(c.file.size()));
        EXPECT_TRUE(result.backupPath.startsWith(backups + QStringLiteral("/receiver-")));
        EXPECT_EQ(listblocks::readFile(result.backupPath),
                  QByteArray(reinterpret_cast<const char*>(c.received.data()),
                             static_cast<qsizetype>(c.received.size())));
        EXPECT_TRUE(state.ReceiveBuffer.empty());
    }
}

TEST_F(IdentityCheck, NoBackupNoSend) {
    QFile blocker(backups); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ListSendCheck result = check(list(7), list(7));
    EXPECT_EQ(result.verdict, Verdict::BackupFailed);
    EXPECT_NE(result.reason.find("backups"), std::string::npos);
}

TEST(SendRules, BackupNamesCarryTheMoment) {
    const QDateTime when(QDate(2026, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(backupFileName(when), QStringLiteral("receiver-20260102-030405.lst"));
}

TEST(SendRules, SoftwareFilesAreReadAndListsAmongThemFound) {
    QTemporaryDir dir;
    TransferState s;
    const QString names[] = {dir.filePath("a.app"), dir.filePath("b.app"), dir.filePath("c.app")};
    listblocks::writeFile(names[0], std::vector<uint8_t>(33, 1));
    listblocks::writeFile(names[1], {}); // empty: no buffer, type skipped
    listblocks::writeFile(names[2], list(3, ListImageBytes, true));
    s.SoftwareFileNames = {names[0], names[1], names[2]};
    ASSERT_TRUE(ReadFirmFiles(s));
    EXPECT_EQ(s.SoftwareSizes, (std::array<int32_t, 3>{33, 0, ListImageBytes}));
    EXPECT_TRUE(softwareFileThatIsAList(s).isEmpty()); // its checksum is wrong: software
    listblocks::writeFile(names[2], list(3));
    ASSERT_TRUE(ReadFirmFiles(s));
    EXPECT_EQ(softwareFileThatIsAList(s), names[2]);

    s.UpdateDone = true;
    EXPECT_EQ(finishSoftwareUpdate(s).slot, i18n::Msg::UpdateDone);
    EXPECT_EQ(s.SoftwareSizes, (std::array<int32_t, 3>{}));
    EXPECT_TRUE(s.SoftwareBuffers[0].empty());

    s.SoftwareFileNames = {dir.filePath("none"), QString(), QString()};
    EXPECT_FALSE(ReadFirmFiles(s));
}

} // namespace
