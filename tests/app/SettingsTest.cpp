#include "app/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Saves in a child process whose files may not grow past limit bytes, with
// SIGXFSZ ignored so that the write fails with EFBIG instead of killing it.
Settings::SaveResult saveWithFileSizeLimit(const Settings& s, const QString& path, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &size) != 0)
            _exit(100);
        _exit(static_cast<int>(s.write(path)));
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 100) {
        ADD_FAILURE() << "the child that saves did not run";
        return Settings::SaveResult::Saved;
    }
    return static_cast<Settings::SaveResult>(WEXITSTATUS(status));
}

Settings decode(const QByteArray& bytes) {
    return Settings::fromBytes(reinterpret_cast<const uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
}

QByteArray sampleFile() {
    QByteArray bytes(Settings::FileSize, '\0');
    bytes[0] = 4;
    bytes[1] = char(0x80); // 9600 little-endian
    bytes[2] = char(0x25);
    bytes[5] = 1;
    bytes.replace(6, 3, "Lab");
    bytes.replace(26, 30, QByteArray(30, 'C')); // full width, no terminator
    bytes.replace(56, 6, "Footer");
    bytes[62] = 0;
    bytes[63] = 'x'; // after the terminator: not part of the text
    return bytes;
}

} // namespace

TEST(Settings, DecodesEveryFieldAndTheCaption) {
    const Settings s = decode(sampleFile());
    EXPECT_EQ(s.PortNumber, 4);
    EXPECT_EQ(s.BaudRate, 9600);
    EXPECT_EQ(s.LanguageId, 1);
    EXPECT_EQ(s.TitleText, "Lab");
    EXPECT_EQ(s.CommentText, std::string(30, 'C'));
    EXPECT_EQ(s.FooterText, "Footer");
    EXPECT_EQ(s.windowCaption(), QStringLiteral("Lab Quelvox v1.03"));

    Settings untitled;
    EXPECT_EQ(untitled.windowCaption(), QStringLiteral(" Quelvox v1.03"));
}

TEST(Settings, RoundTripIsByteExactThroughTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quelvox.dat"));
    // A file the program wrote: texts zero-padded after their terminator.
    QByteArray original = sampleFile();
    original[63] = 0;
    writeAll(path, original);

    auto s = Settings::read(path);
    ASSERT_TRUE(s.has_value());
    ASSERT_EQ(s->write(path), Settings::SaveResult::Saved);
    EXPECT_EQ(readAll(path), original);

    // Another port and language: bytes 0 and 5 change, nothing else.
    s->PortNumber = 7;
    s->LanguageId = 3;
    ASSERT_EQ(s->write(path), Settings::SaveResult::Saved);
    const QByteArray changed = readAll(path);
    ASSERT_EQ(changed.size(), Settings::FileSize);
    for (int i = 0; i < Settings::FileSize; ++i) {
        if (i == 0)
            EXPECT_EQ(changed[i], 7);
        else if (i == 5)
            EXPECT_EQ(changed[i], 3);
        else
            EXPECT_EQ(changed[i], original[i]) << "byte " << i;
    }
}

TEST(Settings, BadFilesNeverBreakReading) {
    // Short file: missing bytes count as zero.
    const Settings shortFile = decode(QByteArray("\x05\x00\xC2", 3));
    EXPECT_EQ(shortFile.PortNumber, 5);
    EXPECT_EQ(shortFile.BaudRate, 0xC200);
    EXPECT_EQ(shortFile.LanguageId, 0);
    EXPECT_TRUE(shortFile.TitleText.empty());

    // Empty file.
    const Settings empty = decode(QByteArray());
    EXPECT_EQ(empty.PortNumber, 0);
    EXPECT_EQ(empty.BaudRate, 0);

    // Longer than 106 bytes: only the first 106 count.
    QByteArray longFile(Settings::FileSize, 'A');
    longFile.append(QByteArray(50, 'Z'));
    const Settings tooLong = decode(longFile);
    EXPECT_EQ(tooLong.TitleText, std::string(20, 'A'));
    EXPECT_EQ(tooLong.FooterText, std::string(50, 'A'));
    EXPECT_EQ(tooLong.LanguageId, 'A');

    // Garbage: every byte value in the texts survives as Latin-1.
    QByteArray garbage(Settings::FileSize, char(0xFF));
    garbage[0] = char(200);
    garbage[5] = 4;
    const Settings g = decode(garbage);
    EXPECT_EQ(g.PortNumber, 200);
    EXPECT_EQ(g.BaudRate, -1);
    EXPECT_EQ(g.LanguageId, 4);
    EXPECT_EQ(g.windowCaption().size(), 20 + 14);
    EXPECT_EQ(g.windowCaption().at(0), QChar(0xFF));
}

TEST(Settings, WritingCutsTextsToTheirWidthAndKeepsTheFileSize) {
    Settings s;
    s.TitleText = std::string(40, 'T');
    s.CommentText = std::string("ab\0cd", 5); // a zero would end the text in the file
    const auto block = s.toBytes();
    EXPECT_EQ(block[5], 2);
    EXPECT_EQ(block[25], 'T');
    EXPECT_EQ(block[26], 'a');
    EXPECT_EQ(block[28], 0);
    EXPECT_EQ(block[29], 0);
    const Settings back = Settings::fromBytes(block.data(), block.size());
    EXPECT_EQ(back.TitleText, std::string(20, 'T'));
    EXPECT_EQ(back.CommentText, "ab");

    s.LanguageId = 0x0103; // only the low byte is stored
    EXPECT_EQ(s.toBytes()[5], 3);
}

TEST(Settings, MissingFileIsNoSettingsAndAMissingFolderIsNoSave) {
    QTemporaryDir dir;
    EXPECT_FALSE(Settings::read(dir.filePath(QStringLiteral("Quelvox.dat"))).has_value());

    // A folder that does not exist: nothing can be created.
    Settings s;
    EXPECT_EQ(s.write(dir.filePath(QStringLiteral("missing/Quelvox.dat"))),
              Settings::SaveResult::CannotCreate);
}

TEST(Settings, SaveThatCannotWriteKeepsTheOldFile) {
    // A file size limit stops root too. Limit 0: nothing can be written; 50:
    // the file is cut short.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quelvox.dat"));
    Settings s;
    for (rlim_t limit : {rlim_t{0}, rlim_t{50}}) {
        writeAll(path, sampleFile());
        EXPECT_NE(saveWithFileSizeLimit(s, path, limit), Settings::SaveResult::Saved) << limit;
        EXPECT_EQ(readAll(path), sampleFile()) << limit;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                  QStringList{QStringLiteral("Quelvox.dat")});
    }
}
