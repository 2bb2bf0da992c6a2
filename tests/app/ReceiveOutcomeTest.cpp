// What a finished list receive leaves behind: the saved file, the box and the
// state, for every way a receive can end.
#include "transfer/ReceiveOutcome.h"
#include "i18n/Messages.h"
#include "tests/support/ListBlocks.h"
#include "transfer/TransferState.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {
using Icon = OutcomeMessage::Icon;
using Msg = i18n::Msg;

class ReceiveOutcome : public ::testing::Test {
protected:
    // As the worker leaves it: the block at the front of the receive buffer.
    void received(const std::vector<uint8_t>& block, int32_t size) {
        state.allocateReceiveBuffer();
        std::copy(block.begin(), block.end(), state.ReceiveBuffer.begin());
        state.ReceivedSize = size;
        state.ReceivedStatus = 1;
    }
    void expectBox(const OutcomeMessage& m, Msg slot, Icon icon) {
        EXPECT_TRUE(m.show);
        EXPECT_EQ(m.slot, slot);
        EXPECT_EQ(m.icon, icon);
    }
    void expectReleased() {
        EXPECT_TRUE(state.ReceiveBuffer.empty());
        EXPECT_EQ(state.ReceivedSize, 0);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    TransferState state;
};

TEST_F(ReceiveOutcome, IntactListIsSavedByteForByteAndAnnounced) {
    const auto block = listblocks::make(1);
    state.ReceiveFileName = path("got.lst");
    ASSERT_TRUE(listblocks::writeFile(state.ReceiveFileName, listblocks::make(9))); // replaced
    received(block, listblocks::listBytes);

    expectBox(finishListReceive(state), Msg::ListReceived, Icon::Information);
    EXPECT_EQ(listblocks::readFile(state.ReceiveFileName), listblocks::bytes(block));
    expectReleased();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"got.lst"}); // no temporary left
}

TEST_F(ReceiveOutcome, CorruptOrShortListIsNotWritten) {
    state.ReceiveFileName = path("got.lst");
    const auto old = listblocks::make(9);
    ASSERT_TRUE(listblocks::writeFile(state.ReceiveFileName, old));

    received(listblocks::make(1, /*corrupt*/ true), listblocks::listBytes);
    expectBox(finishListReceive(state), Msg::CorruptList, Icon::Information);
    expectReleased();

    // The checksum would hold over the buffer, but the block ends before the
    // checksummed range does: its last byte never arrived.
    received(listblocks::make(2), listblocks::crcEnd - 1);
    expectBox(finishListReceive(state), Msg::CorruptList, Icon::Information);
    EXPECT_EQ(listblocks::readFile(state.ReceiveFileName), listblocks::bytes(old));

    // Just long enough: saved with the bytes that arrived.
    const auto block = listblocks::make(3);
    received(block, listblocks::crcEnd);
    expectBox(finishListReceive(state), Msg::ListReceived, Icon::Information);
    EXPECT_EQ(listblocks::readFile(state.ReceiveFileName),
              listblocks::bytes(block).left(listblocks::crcEnd));
}

TEST_F(ReceiveOutcome, UnwritableTargetIsReportedNotAnnounced) {
    for (const QString& target : {path("missing/got.lst"), dir.path()}) {
        state.ReceiveFileName = target;
        received(listblocks::make(1), listblocks::listBytes);
        expectBox(finishListReceive(state), Msg::DataSaveFailed, Icon::Warning);
        expectReleased();
    }
    EXPECT_FALSE(QFile::exists(path("missing")));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ReceiveOutcome, NothingReceivedReportsCancelOnceThenFailure) {
    state.ReceiveFileName = path("got.lst");
    state.UserCancelled = true; // e.g. an earlier "Off Line"
    state.allocateReceiveBuffer();
    expectBox(finishListReceive(state), Msg::CancelledByUser, Icon::Warning);
    EXPECT_FALSE(state.UserCancelled);
    expectReleased();

    expectBox(finishListReceive(state), Msg::ReceiveFailed, Icon::Warning);

    // A status without a size, or a size without the status, is no list either.
    received(listblocks::make(1), 0);
    expectBox(finishListReceive(state), Msg::ReceiveFailed, Icon::Warning);
    received(listblocks::make(1), listblocks::listBytes);
    state.ReceivedStatus = 0;
    expectBox(finishListReceive(state), Msg::ReceiveFailed, Icon::Warning);
    EXPECT_FALSE(QFile::exists(state.ReceiveFileName));
}

TEST_F(ReceiveOutcome, IdentityReadKeepsTheBlockAndSavesNothing) {
    received(listblocks::make(1), listblocks::listBytes);
    EXPECT_FALSE(finishListReceive(state, ListRead::IdentityRead).show);
    EXPECT_EQ(state.ReceivedSize, listblocks::listBytes);
    EXPECT_EQ(state.ReceiveBuffer.size(), static_cast<std::size_t>(ReceiveBufferBytes));

    received(listblocks::make(1, true), listblocks::listBytes);
    expectBox(finishListReceive(state, ListRead::IdentityRead), Msg::CorruptList,
              Icon::Information);
    EXPECT_EQ(state.ReceivedSize, listblocks::listBytes);

    state.ReceivedSize = 0;
    state.UserCancelled = true;
    expectBox(finishListReceive(state, ListRead::IdentityRead), Msg::SendFailed, Icon::Warning);
    EXPECT_TRUE(state.UserCancelled); // left for a list receive to report
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

} // namespace
