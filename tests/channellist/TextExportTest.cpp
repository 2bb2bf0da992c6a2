#include "listformat/TextExport.h"
#include "fileio/LocalPath.h"
#include "i18n/Messages.h"
#include "listmodel/ListFileTexts.h"
#include "tests/channellist/ListTestSupport.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

using namespace listtest;

namespace {

const std::string eq(145, '=');
const std::string us(145, '_');

std::string sectionHead(const std::string& title, const std::string& heading) {
    return title + "\r\n" + eq + "\r\n\r\n" + heading + "\r\n\r\n" + eq + "\r\n";
}

const std::string germanHeading =
    "Frequenz\tSR / BW\tPol.\t\tPrg.Nr.\t\tV-PID\tA-PID\tTtx-PID\t\tPrg.Crypted\tProgramm-Name";

std::string fileContent(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll().toStdString();
}

class TextExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        i18n::resetMessages();
        clearList(*image);
        image->transponders[3] = {27500, 11778000, 0, 1, 0, 0, 0};
        image->transponders[4] = {6900, 346000, 0, 0, 0, 0, 0};
    }

    std::unique_ptr<ChannelListImage> image = std::make_unique<ChannelListImage>();
    RecordingReporter reporter;
};

ChannelRecord senderA() {
    ChannelRecord c = channel(true, 28006, "Sender A", 3);
    c.videoPid = 101;
    c.audioPid = 102;
    c.teletextPid = 104;
    return c;
}

} // namespace

TEST_F(TextExportTest, GermanLinesByteForByte) {
    ChannelRecord radio = channel(false, 7, "ABCDEFGHIJKLMNOPQRST", 4); // 20 characters
    radio.flags |= ChannelCrypted;
    radio.audioPid = 65535;
    image->channels[0] = radio;
    image->channels[1] = senderA();
    image->channels[3] = channel(true, 9, "after the end marker", 3);

    const std::string expected =
        "\r\n" + sectionHead("TV Kan\xE4le", germanHeading) +
        "11778000,\t27500,\t\tVertikal,\t28006,\t\t101,\t102,\t104,\t\tFrei\t\"Sender A\"\r\n" +
        us + "\r\r\n" + "\r\n\r\n" + sectionHead("Radio Kan\xE4le", germanHeading) +
        "346000,\t6900,\t\tHorizontal,\t7,\t\t0,\t65535,\t0,\t\tVerschl\xFCsselt\t\t"
        "\"ABCDEFGHIJKLMNOPQRST\"\r\n" +
        us + "\r\r\n" + "\r\n";
    EXPECT_EQ(exportTextContent(*image, currentExportWords()), expected);
}

TEST_F(TextExportTest, EmptyListsAndMissingRadioSection) {
    const std::string empty = "\r\n" + sectionHead("TV Kan\xE4le", germanHeading) + "\r\n\r\n" +
                              sectionHead("Radio Kan\xE4le", germanHeading) + "\r\n";
    EXPECT_EQ(exportTextContent(*image, currentExportWords()), empty);

    image->channels[0] = senderA();
    const std::string content = exportTextContent(*image, currentExportWords());
    const std::string tail = sectionHead("Radio Kan\xE4le", germanHeading) + "\r\n";
    ASSERT_GE(content.size(), tail.size());
    EXPECT_EQ(content.substr(content.size() - tail.size()), tail);
}

TEST_F(TextExportTest, EnglishAndFrenchWords) {
    ChannelRecord c = senderA();
    c.flags |= ChannelCrypted;
    image->channels[0] = c;
    i18n::applyMessages(i18n::Language::English);
    std::string en = exportTextContent(*image, currentExportWords());
    EXPECT_NE(en.find("\r\nTV channels\r\n"), std::string::npos);
    EXPECT_NE(en.find("\r\nRadio channels\r\n"), std::string::npos);
    EXPECT_NE(en.find("Frequency\tSR / BW\tPol.\t\tPrg.Nr.\t\tV-PID\tA-PID\tTtx-PID\t\t"
                      "Prg.Crypted\tProgram-Name\r\n"),
              std::string::npos);
    EXPECT_NE(en.find("\tVertical,\t28006,"), std::string::npos);
    EXPECT_NE(en.find(",\t\tCrypted\t\t\"Sender A\""), std::string::npos);

    i18n::applyMessages(i18n::Language::French);
    std::string fr = exportTextContent(*image, currentExportWords());
    EXPECT_NE(fr.find("\r\nTV canaux\r\n"), std::string::npos);
    EXPECT_NE(fr.find("Fr\xE9quence\t"), std::string::npos);
    EXPECT_NE(fr.find("\tNom de programme\r\n"), std::string::npos);
    EXPECT_NE(fr.find(",\t\tCrypt\xE9\t\t\"Sender A\""), std::string::npos);
}

TEST_F(TextExportTest, DamagedTransponderIndexWritesZeroTransponder) {
    image->channels[0] = channel(true, 1, "X", 1000);
    const std::string content = exportTextContent(*image, currentExportWords());
    EXPECT_NE(content.find("\r\n0,\t0,\t\tHorizontal,\t1,\t\t"), std::string::npos);
}

TEST_F(TextExportTest, WritesFileAndKeepsOldFileOnFailure) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    image->channels[0] = senderA();
    ASSERT_TRUE(exportText(*image, fileio::localPath(path), currentExportWords(), reporter));
    EXPECT_EQ(fileContent(path), exportTextContent(*image, currentExportWords()));

    i18n::applyMessages(i18n::Language::French);
    EXPECT_FALSE(exportText(*image, fileio::localPath(dir.filePath("no/such/folder.txt")),
                            currentExportWords(), reporter));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], QString::fromUtf8("Les donn\xC3\xA9"
                                                      "es ne pouvaient pas \xC3\xAA"
                                                      "tre m\xC3\xA9moriser."));
    // A directory in the way: the export fails, the directory stays.
    EXPECT_FALSE(exportText(*image, fileio::localPath(dir.path()), currentExportWords(), reporter));
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}
