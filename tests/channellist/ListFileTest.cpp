#include "listformat/ListFile.h"
#include "fileio/LocalPath.h"
#include "i18n/Messages.h"
#include "listformat/FieldReader.h"
#include "listformat/FieldWriter.h"
#include "listformat/ListCrc32.h"
#include "tests/channellist/ListTestSupport.h"
#include "tests/support/FileBytes.h"

#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

using namespace listtest;

namespace {

uint32_t u32At(const std::vector<uint8_t>& b, std::size_t offset) {
    FieldReader r(b.data() + offset, b.size() - offset);
    return r.readU32();
}

class ListFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        i18n::resetMessages();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    std::unique_ptr<ChannelListImage> image = std::make_unique<ChannelListImage>();
    std::unique_ptr<ChannelListImage> reloaded = std::make_unique<ChannelListImage>();
    RecordingReporter reporter;
};

} // namespace

TEST(ListCrc32, CheckValueTableAndEmptyRange) {
    EXPECT_EQ(listCrc32("123456789", 9), 0x0376E6E7u);
    EXPECT_EQ(listCrc32("", 0), 0xFFFFFFFFu);
    // The sliced loop and the byte loop agree at every length and alignment.
    std::vector<uint8_t> data(64);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 37 + 11);
    for (std::size_t start = 0; start < 8; ++start) {
        for (std::size_t length = 0; start + length <= data.size(); ++length) {
            uint32_t crc = 0xFFFFFFFFu;
            for (std::size_t i = 0; i < length; ++i)
                crc = listCrc32Update(crc, &data[start + i], 1);
            ASSERT_EQ(listCrc32(&data[start], length), crc) << start << " " << length;
        }
    }
}

TEST(FieldReaderWriter, LittleEndianAndZeroBeyondEnd) {
    std::vector<uint8_t> bytes;
    FieldWriter w(bytes);
    w.writeByte(0xAB);
    w.writeU16(0x1234);
    w.writeU32(0xA1B2C3D4);
    EXPECT_TRUE(w.writeBytes("xyz", 3));
    EXPECT_EQ(bytes,
              (std::vector<uint8_t>{0xAB, 0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1, 'x', 'y', 'z'}));

    FieldReader r(bytes.data(), 8); // cut inside the text
    EXPECT_EQ(r.readByte(), 0xAB);
    EXPECT_EQ(r.readU16(), 0x1234);
    EXPECT_EQ(r.readU32(), 0xA1B2C3D4u);
    char text[3] = {'-', '-', '-'};
    r.readBytes(text, 3);
    EXPECT_EQ(std::string(text, 3), "x--"); // the missing part keeps its fill
    EXPECT_EQ(r.readU32(), 0u);

    FieldReader straddle(bytes.data() + 7, 2);
    EXPECT_EQ(straddle.readU32(), static_cast<uint32_t>('x' | ('y' << 8)));

    std::vector<uint8_t> small;
    FieldWriter limited(small, 5);
    limited.writeU32(1);
    EXPECT_FALSE(limited.writeBytes("abc", 3));
    EXPECT_TRUE(limited.hadShortWrite());
    EXPECT_EQ(small.size(), 5u);

    // A list file written into too little room reports its short text fields.
    auto image = std::make_unique<ChannelListImage>();
    std::vector<uint8_t> list;
    FieldWriter tooSmall(list, 1000);
    EXPECT_FALSE(writeListFile(tooSmall, *image));
    EXPECT_EQ(list.size(), 1000u);
}

TEST_F(ListFileTest, SaveWritesLayoutChecksumsAndReloadsIdentically) {
    std::mt19937 random(7);
    randomImage(*image, random, 1234);
    ASSERT_TRUE(saveListFile(*image, fileio::localPath(path("a.lst")), reporter));
    EXPECT_TRUE(reporter.messages.empty());
    const std::vector<uint8_t> bytes = readAll(path("a.lst"));
    ASSERT_EQ(bytes.size(), ListFileBytes);

    EXPECT_EQ(u32At(bytes, 8), listCrc32(&bytes[28], 184996));
    EXPECT_EQ(u32At(bytes, 80), listCrc32(&bytes[96], 28));
    EXPECT_EQ(u32At(bytes, 84), listCrc32(&bytes[124], 168000));
    EXPECT_EQ(u32At(bytes, 88), listCrc32(&bytes[168124], 16000));
    EXPECT_EQ(u32At(bytes, 92), listCrc32(&bytes[184124], 900));
    // Spot checks of the packed layout.
    EXPECT_EQ(bytes[28] | (bytes[29] << 8), image->descriptor.receiverType);
    const ChannelRecord& c5 = image->channels[5];
    const std::size_t at5 = 124 + 5 * 42;
    EXPECT_EQ(bytes[at5 + 20] | (bytes[at5 + 21] << 8), c5.transponderIndex);
    EXPECT_EQ(0, std::memcmp(&bytes[at5 + 22], c5.name.data(), 20));
    EXPECT_EQ(u32At(bytes, 168124 + 16 * 999 + 4), image->transponders[999].frequency);
    EXPECT_EQ(bytes[184124 + 30 * 29 + 8], static_cast<uint8_t>(image->satellites[29].name[0]));
    EXPECT_EQ(bytes[185024] | (bytes[185025] << 8), image->trailerWord);

    EXPECT_EQ(loadListFileChecked(*reloaded, fileio::localPath(path("a.lst"))),
              ListLoadResult::Valid);
    EXPECT_TRUE(*reloaded == *image);

    // A second save of the unchanged image gives the same file.
    ASSERT_TRUE(saveListFile(*reloaded, fileio::localPath(path("b.lst")), reporter));
    EXPECT_EQ(readAll(path("b.lst")), bytes);
}

TEST_F(ListFileTest, CarriedBytesPassThroughLoadAndSave) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        std::mt19937 random(seed);
        randomImage(*image, random, static_cast<int>(random() % 4001));
        std::vector<uint8_t> original = serialiseListFile(*image);
        writeAll(path("in.lst"), original);
        EXPECT_EQ(loadListFileChecked(*reloaded, fileio::localPath(path("in.lst"))),
                  ListLoadResult::ChecksumMismatch);
        ASSERT_TRUE(saveListFile(*reloaded, fileio::localPath(path("out.lst")), reporter));
        const std::vector<uint8_t> saved = readAll(path("out.lst"));
        ASSERT_EQ(saved.size(), original.size());
        // Only fileCrc and the four block checksums may differ.
        for (std::size_t i = 0; i < saved.size(); ++i) {
            const bool checksum = (i >= 8 && i < 12) || (i >= 80 && i < 96);
            if (!checksum) {
                ASSERT_EQ(saved[i], original[i]) << "offset " << i << " seed " << seed;
            }
        }
    }
}

TEST_F(ListFileTest, ChecksumCoversDescriptorToSatellitesButNotTrailer) {
    clearList(*image);
    image->channels[0] = channel(true, 1);
    ASSERT_TRUE(saveListFile(*image, fileio::localPath(path("a.lst")), reporter));
    std::vector<uint8_t> bytes = readAll(path("a.lst"));

    std::vector<uint8_t> trailerChanged = bytes;
    trailerChanged[185024] ^= 0x5A;
    trailerChanged[185025] ^= 0xA5;
    writeAll(path("t.lst"), trailerChanged);
    EXPECT_TRUE(loadListFile(*reloaded, fileio::localPath(path("t.lst"))));

    std::vector<uint8_t> byte30Changed = bytes;
    byte30Changed[30] ^= 1;
    writeAll(path("d.lst"), byte30Changed);
    EXPECT_FALSE(loadListFile(*reloaded, fileio::localPath(path("d.lst"))));
    EXPECT_EQ(reloaded->descriptor.identity[0], byte30Changed[30]); // filled all the same
}

TEST_F(ListFileTest, ShortLongAndMissingFiles) {
    std::mt19937 random(3);
    randomImage(*image, random, 10);
    std::vector<uint8_t> bytes = serialiseListFile(*image);

    // Short: numbers beyond the end read 0, text keeps the 0xFF fill.
    std::vector<uint8_t> shortFile(bytes.begin(), bytes.begin() + 124 + 42 + 21);
    writeAll(path("short.lst"), shortFile);
    EXPECT_EQ(loadListFileChecked(*reloaded, fileio::localPath(path("short.lst"))),
              ListLoadResult::ChecksumMismatch);
    // Straddles the end: the low byte is there, the high byte reads 0.
    EXPECT_EQ(reloaded->channels[1].transponderIndex, image->channels[1].transponderIndex & 0xFF);
    EXPECT_EQ(reloaded->channels[1].flags, image->channels[1].flags);
    EXPECT_EQ(reloaded->channels[1].name[0], '\xFF');
    EXPECT_EQ(reloaded->channels[2].flags, 0);
    EXPECT_EQ(reloaded->trailerWord, 0);

    // A short file can still pass when its missing tail is all zero.
    clearList(*image);
    std::vector<uint8_t> zeroTail = serialiseForSave(*image);
    zeroTail.resize(1000);
    writeAll(path("zero.lst"), zeroTail);
    EXPECT_TRUE(loadListFile(*reloaded, fileio::localPath(path("zero.lst"))));

    // Long: only the first 185026 bytes count.
    std::vector<uint8_t> longFile = serialiseForSave(*image);
    longFile.resize(ListFileBytes + 500, 0x33);
    writeAll(path("long.lst"), longFile);
    EXPECT_TRUE(loadListFile(*reloaded, fileio::localPath(path("long.lst"))));

    // Missing: reported, and the image keeps the list it had.
    const ChannelListImage before = *reloaded;
    EXPECT_EQ(loadListFileChecked(*reloaded, fileio::localPath(path("none.lst"))),
              ListLoadResult::Unreadable);
    EXPECT_TRUE(*reloaded == before);
    EXPECT_EQ(loadListFileChecked(*reloaded, fileio::localPath(dir.path())),
              ListLoadResult::Unreadable);
}

// A load reads only the records the bytes reach; the rest must come out as
// if every field had been read past the end, whatever was loaded before.
TEST_F(ListFileTest, PrefixLoadsAsIfEveryFieldWereRead) {
    std::mt19937 random(5);
    randomImage(*image, random, 30);
    const std::vector<uint8_t> bytes = serialiseListFile(*image);
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, DescriptorOffset + 1, ChannelTableOffset,
          ChannelTableOffset + ChannelRecordBytes + 21, TransponderTableOffset - 1,
          SatelliteTableOffset + 7, TrailerOffset, TrailerOffset + 1, ListFileBytes}) {
        SCOPED_TRACE(size);
        auto expected = std::make_unique<ChannelListImage>(*image);
        eraseImage(*expected);
        FieldReader reader(bytes.data(), size);
        readListFile(reader, *expected);
        *reloaded = *image; // something else loaded before
        loadListBytes(*reloaded, bytes.data(), size);
        EXPECT_TRUE(*reloaded == *expected);
    }
}

TEST_F(ListFileTest, FailedSaveKeepsOldFileAndImage) {
    clearList(*image);
    image->channels[0] = channel(true, 1);
    ASSERT_TRUE(saveListFile(*image, fileio::localPath(path("old.lst")), reporter));
    const std::vector<uint8_t> old = readAll(path("old.lst"));

    image->channels[0] = channel(true, 2);
    const ChannelListImage before = *image;
    i18n::applyMessages(i18n::Language::English);
    // A file-size limit makes every write past 4 KB fail, as a full disk would.
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool ok = saveListFile(*image, fileio::localPath(path("old.lst")), reporter);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(ok);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], QStringLiteral("Data could not be saved"));
    EXPECT_EQ(readAll(path("old.lst")), old);
    EXPECT_TRUE(*image == before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary left

    EXPECT_FALSE(saveListFile(*image, fileio::localPath(path("missing/folder.lst")), reporter));
    EXPECT_EQ(reporter.messages.size(), 2u);
}

TEST(ChannelCount, EndMarkerErasedListsAndFullTable) {
    auto image = std::make_unique<ChannelListImage>();
    clearList(*image);
    for (int s = 0; s < 5; ++s)
        image->channels[s] = channel(s % 2 == 0, static_cast<uint16_t>(s));
    image->channels[5].programNumber = 77; // stale bytes in the end marker slot
    image->channels[6] = channel(true, 6); // stale record after the marker
    EXPECT_EQ(countChannels(*image), 5);
    EXPECT_TRUE(image->channels[5] == ChannelRecord{});
    EXPECT_EQ(image->channels[6].programNumber, 6);

    image->descriptor.receiverType = 0xFFFF;
    image->channels[5] = channel(true, 5);
    EXPECT_EQ(countChannels(*image), 0);
    EXPECT_TRUE(image->channels[5].inUse());
    image->descriptor.receiverType = 0;
    EXPECT_EQ(countChannels(*image), 0);

    setReceiverType(*image, 4);
    EXPECT_EQ(getReceiverType(*image), 4);
    for (ChannelRecord& c : image->channels)
        c = channel(false, 1);
    EXPECT_EQ(countChannels(*image), 4000);
    EXPECT_TRUE(image->channels[3999].inUse());

    eraseImage(*image);
    EXPECT_EQ(image->descriptor.receiverType, 0xFFFF);
    EXPECT_EQ(countChannels(*image), 0);
}

TEST(TransponderKindRule, ExamplesAndDamagedIndexes) {
    auto image = std::make_unique<ChannelListImage>();
    auto& tp = image->transponders;
    tp[0] = {27500, 11778000, 0, 0, 0, 0, 0};
    tp[1] = {6900, 346000, 0, 0, 0, 0, 0};
    tp[2] = {0, 474000, 0, 0, 0, 0, 0};
    tp[3] = {6900, 12000000, 0, 0, 0, 0, 0}; // low rate but satellite band
    tp[4] = {27500, 11778000, 0, 0, 0, 7, 0};
    tp[5] = {44000, 11778000, 0, 0, 0, 0, 0};
    tp[6] = {0xFFFFFFFFu, 0, 0, 0, 0, 0, 0};    // -1 as signed
    tp[7] = {27500, 11778000, 0, 0, 0, 200, 0}; // satellite slot outside the table
    setFieldText(image->satellites[7].name, "Terrestrisch");
    using K = TransponderKind;
    EXPECT_EQ(classifyTransponder(*image, 0), K::Satellite);
    EXPECT_EQ(classifyTransponder(*image, 1), K::Cable);
    EXPECT_EQ(classifyTransponder(*image, 2), K::Terrestrial);
    EXPECT_EQ(classifyTransponder(*image, 3), K::Satellite);
    EXPECT_EQ(classifyTransponder(*image, 4), K::Terrestrial);
    EXPECT_EQ(classifyTransponder(*image, 5), K::Terrestrial);
    EXPECT_EQ(classifyTransponder(*image, 6), K::Terrestrial);
    EXPECT_EQ(classifyTransponder(*image, 7), K::Satellite);
    EXPECT_EQ(classifyTransponder(*image, 1000), K::Terrestrial);
    EXPECT_EQ(classifyTransponder(*image, -1), K::Terrestrial);

    image->channels[0].transponderIndex = 1;
    image->channels[1].transponderIndex = 60000;
    EXPECT_EQ(classifyChannelTransponder(*image, 0), K::Cable);
    EXPECT_EQ(classifyChannelTransponder(*image, 1), K::Terrestrial);
    EXPECT_EQ(classifyChannelTransponder(*image, 4000), K::Terrestrial);
}
