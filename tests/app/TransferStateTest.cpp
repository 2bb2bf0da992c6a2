// The file-type table through which the workers reach the main window's
// buffers, sizes and names.
#include "transfer/TransferState.h"

#include <gtest/gtest.h>

namespace {

TEST(TransferState, FileTypesReachTheirBuffersSizesAndNames) {
    TransferState s;
    s.SoftwareFileNames = {QStringLiteral("a.app"), QStringLiteral("b.app"),
                           QString::fromUtf8("c\xC3\xA4.app")};
    for (int i = 0; i < 3; ++i) {
        s.SoftwareBuffers[i].assign(static_cast<std::size_t>(10 + i + 1), static_cast<uint8_t>(i));
        s.SoftwareSizes[i] = 10 + i;
    }
    s.ListFileBuffer.assign(185027, 5);
    s.ListFileSize = ListImageBytes;
    s.SendFileName = QStringLiteral("send.lst");
    s.ReceiveFileName = QStringLiteral("got.lst");
    s.allocateReceiveBuffer();

    for (int type = 1; type <= 3; ++type) {
        EXPECT_EQ(s.GetFileBuffer(type), s.SoftwareBuffers[type - 1].data()) << type;
        EXPECT_EQ(s.GetFileSize(type), 9 + type) << type;
    }
    EXPECT_EQ(s.GetFirmFileName(1), "a.app");
    EXPECT_EQ(s.GetFirmFileName(3), "c\xE4.app"); // Latin-1, as on the wire and in logs

    EXPECT_EQ(s.GetFileBuffer(4), s.ReceiveBuffer.data());
    EXPECT_EQ(s.ReceiveBuffer.size(), static_cast<std::size_t>(ReceiveBufferBytes));
    EXPECT_EQ(s.GetFileSize(4), ListImageBytes); // whatever arrived
    EXPECT_EQ(s.GetFirmFileName(4), "");         // nothing received yet
    s.ReceivedSize = 100;
    EXPECT_EQ(s.GetFirmFileName(4), "got.lst");

    EXPECT_EQ(s.GetFileBuffer(5), s.ListFileBuffer.data());
    EXPECT_EQ(s.GetFileSize(5), ListImageBytes);
    EXPECT_EQ(s.GetFirmFileName(5), "send.lst");

    for (int other : {0, 6, -1, 1000}) {
        EXPECT_EQ(s.GetFileBuffer(other), nullptr) << other;
        EXPECT_EQ(s.GetFileSize(other), 0) << other;
        EXPECT_EQ(s.GetFirmFileName(other), "") << other;
    }
}

TEST(TransferState, EmptyFilesHaveNoNameAndReleasedBuffersNoAddress) {
    TransferState s;
    s.SoftwareFileNames[1] = QStringLiteral("b.app");
    s.SendFileName = QStringLiteral("send.lst");
    EXPECT_EQ(s.GetFirmFileName(2), ""); // size 0: the slot is unused
    EXPECT_EQ(s.GetFirmFileName(5), "");
    EXPECT_EQ(s.GetFileBuffer(2), nullptr);
    EXPECT_EQ(s.GetFileBuffer(5), nullptr);

    s.allocateReceiveBuffer();
    s.ReceiveBuffer[7] = 1;
    s.allocateReceiveBuffer(); // a new receive starts from a zeroed buffer
    EXPECT_EQ(s.ReceiveBuffer[7], 0);
    s.releaseReceiveBuffer();
    EXPECT_EQ(s.GetFileBuffer(4), nullptr);
    EXPECT_EQ(s.ReceiveBuffer.capacity(), 0u);
}

} // namespace
