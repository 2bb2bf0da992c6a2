// Runs the built quelvox-cli on list files made here and checks its output
// files and exit codes.
#include "i18n/Messages.h"
#include "listformat/ChannelListImage.h"
#include "listformat/FieldReader.h"
#include "listformat/ListCrc32.h"
#include "listformat/ListFile.h"
#include "listformat/TextExport.h"
#include "listmodel/ListFileTexts.h"
#include "tests/support/FileBytes.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// extraPorts: the value of QUELVOX_EXTRA_PORTS, or nullptr to leave it unset.
CliRun runCli(const QStringList& arguments, const char* extraPorts = nullptr) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QUELVOX_EXTRA_PORTS"));
    if (extraPorts != nullptr)
        environment.insert(QStringLiteral("QUELVOX_EXTRA_PORTS"), QString::fromLatin1(extraPorts));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUELVOX_CLI_PATH), arguments);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

ChannelRecord makeChannel(bool tv, uint16_t id, uint16_t transponder, uint16_t favourite) {
    ChannelRecord c;
    c.flags = static_cast<uint16_t>(ChannelInUse | (tv ? ChannelIsTv : 0) | (id % 2));
    c.programNumber = id;
    c.videoPid = static_cast<uint16_t>(id + 100);
    c.transponderIndex = transponder;
    c.favouriteNumber = favourite;
    c.carried4 = 0xBEEF;
    setFieldText(c.name, "Kanal " + std::to_string(id));
    return c;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        i18n::resetMessages();
        // Random carried bytes everywhere, then a list of 3 TV and 2 radio
        // channels on 2 transponders, with favourites 1, 3, 3 (TV).
        std::mt19937 random(11);
        std::vector<uint8_t> noise(ListFileBytes);
        for (uint8_t& b : noise)
            b = static_cast<uint8_t>(random());
        FieldReader reader(noise);
        readListFile(reader, *image);
        image->descriptor.receiverType = 5;
        const ChannelRecord list[] = {makeChannel(true, 1, 7, 1), makeChannel(false, 2, 7, 0),
                                      makeChannel(true, 3, 9, 3), makeChannel(true, 4, 7, 3),
                                      makeChannel(false, 5, 9, 0)};
        for (int i = 0; i < 5; ++i)
            image->channels[i] = list[i];
        image->channels[5].flags = 0;
        image->transponders[7] = {27500, 11778000, 1, 1, 0x42, 0, 0x1234};
        image->transponders[9] = {6900, 346000, 2, 0, 0x43, 1, 0x0005};
        setFieldText(image->satellites[0].name, "Astra");
        setFieldText(image->satellites[1].name, "Kabel");
        original = serialiseForSave(*image);
        writeAll(path("list.lst"), original);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    std::unique_ptr<ChannelListImage> image = std::make_unique<ChannelListImage>();
    std::vector<uint8_t> original;
};

} // namespace

TEST_F(CliTest, InfoReportsCountsAndChecksum) {
    CliRun run = runCli({"info", path("list.lst")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Receiver type: 5\nTV channels: 3\nRadio channels: 2\n"
                       "Used transponders: 2\nChecksum: valid\n");

    std::vector<uint8_t> damaged = original;
    damaged[30] ^= 1;
    writeAll(path("bad.lst"), damaged);
    run = runCli({"info", path("bad.lst")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("Checksum: wrong"), std::string::npos);

    run = runCli({"info", path("missing.lst")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("cannot read"), std::string::npos);
}

TEST_F(CliTest, ExportMatchesTheModelInEachLanguage) {
    const struct {
        const char* code;
        i18n::Language language;
    } languages[] = {{nullptr, i18n::Language::German},
                     {"de", i18n::Language::German},
                     {"en", i18n::Language::English},
                     {"fr", i18n::Language::French}};
    for (const auto& l : languages) {
        QStringList args{"export", path("list.lst"), path("out.txt")};
        if (l.code)
            args << "--lang" << l.code;
        const CliRun run = runCli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        i18n::applyMessages(l.language);
        const std::string expected = exportTextContent(*image, currentExportWords());
        const std::vector<uint8_t> written = readAll(path("out.txt"));
        EXPECT_EQ(std::string(written.begin(), written.end()), expected)
            << (l.code ? l.code : "default");
    }
    // Spot check of the German text itself.
    i18n::resetMessages();
    EXPECT_NE(
        exportTextContent(*image, currentExportWords())
            .find("\r\n11778000,\t27500,\t\tVertikal,\t1,\t\t101,\t0,\t0,\t\tVerschl\xFCsselt\t\t"
                  "\"Kanal 1\"\r\n"),
        std::string::npos);
}

TEST_F(CliTest, ResaveKeepsCarriedBytesAndWritesChecksums) {
    std::vector<uint8_t> damaged = original;
    damaged[8] ^= 0xFF;  // wrong file checksum
    damaged[84] ^= 0xFF; // wrong block checksum
    writeAll(path("in.lst"), damaged);
    const CliRun run = runCli({"resave", path("in.lst"), path("out.lst")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Checksum was wrong"), std::string::npos);
    EXPECT_NE(
        run.err.find("in.lst: Ung\xC3\xBCltige Checksumme, wird beim Abspeichern korrigiert!"),
        std::string::npos)
        << run.err;
    EXPECT_NE(run.out.find("Favourite numbers repaired"), std::string::npos);

    const std::vector<uint8_t> saved = readAll(path("out.lst"));
    ASSERT_EQ(saved.size(), ListFileBytes);
    FieldReader header(saved.data() + 8, 4);
    EXPECT_EQ(header.readU32(), listCrc32(&saved[28], 184996));
    FieldReader blocks(saved.data() + 80, 16);
    EXPECT_EQ(blocks.readU32(), listCrc32(&saved[96], 28));
    EXPECT_EQ(blocks.readU32(), listCrc32(&saved[124], 168000));
    EXPECT_EQ(blocks.readU32(), listCrc32(&saved[168124], 16000));
    EXPECT_EQ(blocks.readU32(), listCrc32(&saved[184124], 900));

    // Favourites 1, 3, 3 of TV become 1, 0, 0 (offset 2 of channel records 0,
    // 2, 3); the end marker after 5 channels is zeroed. Every other byte is
    // carried.
    auto favourite = [&saved](int slot) {
        return saved[124 + 42 * slot + 2] | (saved[124 + 42 * slot + 3] << 8);
    };
    EXPECT_EQ(favourite(0), 1);
    EXPECT_EQ(favourite(2), 0);
    EXPECT_EQ(favourite(3), 0);
    const std::size_t markerStart = 124 + 42 * 5;
    for (std::size_t i = 0; i < saved.size(); ++i) {
        if ((i >= 8 && i < 12) || (i >= 80 && i < 96))
            continue;
        if (i >= markerStart && i < markerStart + 42) {
            ASSERT_EQ(saved[i], 0) << i;
            continue;
        }
        if (i == 124 + 42 * 2 + 2 || i == 124 + 42 * 3 + 2)
            continue;
        ASSERT_EQ(saved[i], original[i]) << "offset " << i;
    }

    // Resaving the result changes nothing.
    ASSERT_EQ(runCli({"resave", path("out.lst"), path("again.lst")}).exitCode, 0);
    EXPECT_EQ(readAll(path("again.lst")), saved);
}

TEST_F(CliTest, WrongUseGivesOneLineAndExitTwo) {
    const QStringList wrong[] = {{},
                                 {"frobnicate"},
                                 {"info"},
                                 {"info", "a", "b"},
                                 {"export", path("list.lst")},
                                 {"export", path("list.lst"), path("o.txt"), "--lang"},
                                 {"export", path("list.lst"), path("o.txt"), "--lang", "xx"},
                                 {"export", path("list.lst"), path("o.txt"), "--colour"},
                                 {"resave", path("list.lst")},
                                 {"resave", path("missing.lst"), path("o.lst")}};
    for (const QStringList& args : wrong) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("quelvox-cli: ", 0), 0u) << run.err;
    }
    const CliRun help = runCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"info", "export", "resave", "reorder", "diff", "--force"})
        EXPECT_NE(help.out.find(command), std::string::npos);
}

TEST_F(CliTest, FailedWritesExitOne) {
    CliRun run = runCli({"export", path("list.lst"), dir.filePath("no/folder/out.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Daten konnten nicht gespeichert werden"), std::string::npos);
    run = runCli({"resave", path("list.lst"), dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST_F(CliTest, InputsThatAreNoListFileAreRefused) {
    // Neither a FIFO without a writer nor a directory or device is waited on.
    ASSERT_EQ(mkfifo(path("fifo").toLocal8Bit().constData(), 0600), 0);
    const std::string fifo = path("fifo").toStdString();
    ASSERT_EQ(symlink(path("list.lst").toLocal8Bit().constData(),
                      path("link.lst").toLocal8Bit().constData()),
              0);
    writeAll(path("empty.lst"), {});
    std::vector<uint8_t> longer = original;
    longer.push_back(0);
    writeAll(path("long.lst"), longer);
    const struct {
        QStringList args;
        int exitCode;
        const char* err; // part of the error text
    } cases[] = {
        {{"info", path("fifo")}, 2, "it is a FIFO, not a regular file"},
        {{"export", path("fifo"), path("o.txt")}, 2, "it is a FIFO"},
        {{"resave", path("fifo"), path("o.lst"), "--force"}, 2, "it is a FIFO"},
        {{"info", dir.path()}, 2, "it is a directory"},
        {{"resave", "/dev/zero", path("o.lst")}, 2, "it is a device"},
        {{"info", path("link.lst")}, 0, ""},
        {{"resave", path("empty.lst"), path("o.lst")}, 2, "is 0 bytes, not a list file of 185026"},
        {{"export", path("long.lst"), path("o.txt")}, 2, "is 185027 bytes"},
        {{"export", "--force", path("long.lst"), path("o.txt")}, 0, ""},
        {{"info", path("empty.lst")}, 1, "empty.lst is 0 bytes, a list file has 185026"},
        {{"resave", path("empty.lst"), path("o.lst"), "--force"}, 0, "Ung\xC3\xBCltige Checksumme"},
    };
    for (const auto& c : cases) {
        QFile::remove(path("o.lst"));
        const CliRun run = runCli(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << what << "\n" << run.err;
        if (c.exitCode == 2) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_FALSE(QFile::exists(path("o.lst"))) << what;
        }
    }
    EXPECT_EQ(readAll(path("o.lst")).size(), ListFileBytes) << "forced resave of an empty file";
    EXPECT_TRUE(readAll(path("empty.lst")).empty());
}

TEST_F(CliTest, ReorderLikeAReferenceAndDiff) {
    writeAll(path("ref.csv"), [] {
        const std::string text = "Nr;Name\r\n1;Kanal 4\r\n2;\"Kanal 3\"\r\n3;KANAL 1\r\n";
        return std::vector<uint8_t>(text.begin(), text.end());
    }());
    writeAll(path("none.txt"), {'1', ';', 'N', 'o', 'b', 'o', 'd', 'y', '\n'});
    writeAll(path("binary.lst"), {'1', ';', 0, 1, 2, 3});
    const struct {
        QStringList args;
        int exitCode;
        const char* out; // part of the output, or of the error text
        std::vector<int> order;
    } cases[] = {
        {{"reorder", "--like", path("ref.csv"), path("list.lst"), path("out.lst")},
         0,
         "Matched by id: 0\nMatched by name: 3\nUnmatched: 2\nDropped: 0\n",
         {4, 3, 1, 2, 5}},
        {{"reorder", path("out.lst"), path("out.lst"), "--like", path("list.lst")},
         0,
         "Matched by id: 5\n",
         {1, 2, 3, 4, 5}},
        {{"reorder", "--like", path("ref.csv"), path("list.lst"), path("out.lst"),
          "--drop-unmatched"},
         0,
         "Dropped: 2\n",
         {4, 3, 1}},
        {{"reorder", "--like", path("none.txt"), path("list.lst"), path("none.lst")},
         1,
         "no channel matched",
         {}},
        {{"reorder", "--like", path("binary.lst"), path("list.lst"), path("none.lst")},
         2,
         "keine Senderliste und kein lesbarer Text",
         {}},
        {{"reorder", path("list.lst"), path("none.lst")}, 2, "needs --like", {}},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << run.err;
        EXPECT_NE((run.out + run.err).find(c.out), std::string::npos) << what << "\n" << run.out;
        if (c.order.empty()) {
            EXPECT_FALSE(QFile::exists(path("none.lst")));
            continue;
        }
        const std::vector<uint8_t> saved = readAll(path("out.lst"));
        ASSERT_TRUE(fileCrcHolds(saved.data(), saved.size())) << what;
        auto loaded = std::make_unique<ChannelListImage>();
        loadListBytes(*loaded, saved.data(), saved.size());
        std::vector<int> order;
        for (int s = 0; s < countChannels(*loaded); ++s)
            order.push_back(loaded->channels[s].programNumber);
        EXPECT_EQ(order, c.order) << what;
    }

    // out.lst now holds TV 4, 3, 1 only, favourites repaired.
    CliRun run = runCli({"diff", path("list.lst"), path("list.lst")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "The lists are the same.\n");
    run = runCli({"diff", path("list.lst"), path("out.lst")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("TV: 0 added, 0 removed, 2 moved, 2 changed\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("  moved    1 Kanal 4 (program 4), was 3\n"), std::string::npos);
    EXPECT_NE(run.out.find("Radio: 0 added, 2 removed"), std::string::npos);
    run = runCli({"diff", path("list.lst"), path("out.lst"), "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.rfind("{\n  \"same\": false,\n  \"tv\": {\n    \"added\": [],\n"
                            "    \"removed\": [],\n    \"moved\": [\n      {\"position\": 1, "
                            "\"name\": \"Kanal 4\", \"programNumber\": 4, \"from\": 3},\n",
                            0),
              0u)
        << run.out;
    EXPECT_EQ(runCli({"diff", path("list.lst"), path("missing.lst")}).exitCode, 2);
}

TEST(CliPorts, ListsSystemPortsThenExtraPathsNumberedInOrder) {
    // The machine's own ports come first, whatever they are; the extra paths
    // follow in the order given, empty entries skipped.
    // Only paths that exist are listed.
    QTemporaryDir dir;
    const QByteArray a = dir.filePath("quelvox-a").toLocal8Bit();
    const QByteArray b = dir.filePath("quelvox-b").toLocal8Bit();
    QFile(a).open(QIODevice::WriteOnly);
    QFile(b).open(QIODevice::WriteOnly);
    const QByteArray missing = dir.filePath("quelvox-missing").toLocal8Bit();
    const CliRun system = runCli({"ports"});
    const auto systemLines = QString::fromStdString(system.out).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(system.exitCode, systemLines.isEmpty() ? 1 : 0) << system.err;
    const struct {
        QByteArray extra;
        QStringList paths;
    } cases[] = {
        {a, {a}},
        {b + "::" + missing + ":" + a + ":", {b, a}},
        {":", {}},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli({"ports"}, c.extra.constData());
        const auto lines = QString::fromStdString(run.out).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), systemLines.size() + c.paths.size())
            << c.extra.constData() << run.out;
        EXPECT_EQ(run.exitCode, lines.isEmpty() ? 1 : 0) << c.extra.constData();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(u'\t');
            ASSERT_EQ(fields.size(), 3) << lines[i].toStdString();
            EXPECT_EQ(fields[0], QStringLiteral("COM%1").arg(i + 1));
            if (i < systemLines.size())
                EXPECT_EQ(lines[i], systemLines[i]);
            else
                EXPECT_EQ(fields[1] + u'\t' + fields[2], c.paths[i - systemLines.size()] + u'\t');
        }
    }
    const CliRun wrong = runCli({"ports", "extra"}, a.constData());
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.out.empty());
}
