// quelvox-cli send and update against the stand-in receiver on a
// pseudo-terminal, the dialogue's pauses compressed.
#include "listformat/ListCrc32.h"
#include "tests/support/ListBlocks.h"
#include "tests/support/SimProcess.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class SendCommand : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(QStringLiteral("backups")).removeRecursively();
    }
    // A valid list with this identity byte.
    QString list(const char* name, uint32_t seed, uint8_t identity) const {
        std::vector<uint8_t> block = listblocks::make(seed);
        block[28] = identity;
        const uint32_t crc = listCrc32(block.data() + listblocks::crcFirst,
                                       listblocks::crcEnd - listblocks::crcFirst);
        for (int i = 0; i < 4; ++i)
            block[8 + i] = static_cast<uint8_t>(crc >> (8 * i));
        return file(name, block);
    }
    QString file(const char* name, const std::vector<uint8_t>& bytes) const {
        const QString path = dir.filePath(QString::fromLatin1(name));
        listblocks::writeFile(path, bytes);
        return path;
    }
    CliRun run(const QString& command, const SimProcess& sim, QStringList arguments) const {
        QProcess process;
        process.start(QStringLiteral(QUELVOX_CLI_PATH),
                      QStringList{command, "--port", QString::fromStdString(sim.devicePath()),
                                  "--speedup", "25"} +
                          arguments);
        CliRun result;
        if (!process.waitForFinished(120000))
            return result;
        result.exitCode = process.exitCode();
        result.out = process.readAllStandardOutput().toStdString();
        result.err = process.readAllStandardError().toStdString();
        return result;
    }
    std::vector<std::string> sim(std::vector<std::string> options) const {
        options.insert(options.end(), {"--speedup", "25", "--store", store.toStdString()});
        QDir().mkpath(store);
        return options;
    }
    QStringList stored() const { return QDir(store).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
    QString store = dir.filePath(QStringLiteral("store"));
};

TEST_F(SendCommand, SendsVerifiesAndReportsAlteredFields) {
    const QString path = list("new.lst", 5, 3);
    {
        SimProcess receiver(sim({"--identity", "3"}));
        const CliRun sent = run("send", receiver, {path, "--verify"});
        EXPECT_EQ(sent.exitCode, 0) << sent.err;
        EXPECT_NE(sent.out.find("Liste wurde vollst"), std::string::npos);
        EXPECT_NE(sent.out.find("identisch\n"), std::string::npos);
        EXPECT_EQ(listblocks::readFile(store + "/list1.lst"), listblocks::readFile(path));
        EXPECT_EQ(QDir(QStringLiteral("backups")).entryList(QDir::Files).size(), 1);
    }
    {
        SimProcess receiver(sim({"--identity", "3", "--alter-kept", "146"}));
        const CliRun sent = run("send", receiver, {path, "--verify", "--lang", "en"});
        EXPECT_EQ(sent.exitCode, 3) << sent.err;
        EXPECT_NE(sent.out.find("List successfull sent\n"), std::string::npos) << sent.out;
        EXPECT_NE(sent.out.find("differs from " + path.toStdString() + ":\n  channel 1: name\n"),
                  std::string::npos)
            << sent.out;
        EXPECT_EQ(sent.out.find("identical"), std::string::npos);
    }
    {
        SimProcess receiver(sim({"--identity", "4"}));
        const CliRun refused = run("send", receiver, {path});
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_NE(refused.err.find("nicht f"), std::string::npos) << refused.err;
    }
}

TEST_F(SendCommand, UpdateSendsThreeFilesInOrder) {
    SimProcess receiver(sim({}));
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        const char name[] = {'f', static_cast<char>('0' + i), '\0'};
        files << file(name, std::vector<uint8_t>(2000 + 10 * i, static_cast<uint8_t>(i)));
    }
    const CliRun update = run("update", receiver, files);
    EXPECT_EQ(update.exitCode, 0) << update.err;
    EXPECT_NE(update.out.find("Software Update abgeschlossen"), std::string::npos);
    ASSERT_EQ(stored(), (QStringList{"file1.app", "file2.app", "file3.app"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(listblocks::readFile(store + "/" + stored()[i]), listblocks::readFile(files[i]));
}

} // namespace
