// Damaged and hostile help files give a message in the help window, never a
// crash or a hang; a file's contents that point nowhere or outside the file
// lead to a message, and its pages run no scripts.
#include "help/HelpPage.h"
#include "help/HelpWindow.h"
#include "tests/help/HelpTestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTreeWidget>

#include <functional>

using namespace helptest;

namespace {

QString writeFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return name;
}

void put32(QByteArray& bytes, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * i) & 0xFF);
}

void put64(QByteArray& bytes, qsizetype at, quint64 value) {
    put32(bytes, at, quint32(value));
    put32(bytes, at + 4, quint32(value >> 32));
}

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

qsizetype directoryOffset(const QByteArray& chm) {
    return qsizetype(quint8(chm[0x48]) | quint8(chm[0x49]) << 8);
}

} // namespace

TEST(HostileHelp, DamagedFilesGiveAMessage) {
    constexpr i18n::Msg anyProblem = i18n::Msg::Count; // which one depends on where it is cut
    const QByteArray good = readAll(builtFile("helpen.chm"));
    ASSERT_GT(good.size(), 4000);
    const qsizetype dir = directoryOffset(good);
    const struct {
        const char* what;
        std::function<QByteArray()> make;
        i18n::Msg expected;
    } cases[] = {
        {"empty", [] { return QByteArray(); }, i18n::Msg::HelpNotChm},
        {"random bytes", [] { return randomBytes(65536, 1); }, i18n::Msg::HelpNotChm},
        {"header then random", [] { return "ITSF" + randomBytes(65532, 2); },
         i18n::Msg::HelpDamaged},
        {"cut in the header", [&] { return good.left(0x50); }, i18n::Msg::HelpDamaged},
        {"cut in the directory", [&] { return good.left(dir + 0x100); }, i18n::Msg::HelpDamaged},
        {"cut in half", [&] { return good.left(good.size() / 2); }, anyProblem},
        {"huge directory length",
         [&] {
             QByteArray b = good;
             put64(b, 0x50, 0x7FFFFFFFFFFFFFFFull);
             return b;
         },
         i18n::Msg::HelpDamaged},
        {"huge chunk size",
         [&] {
             QByteArray b = good;
             put32(b, dir + 0x10, 0xFFFFFFFFu);
             return b;
         },
         i18n::Msg::HelpDamaged},
        {"huge chunk count",
         [&] {
             QByteArray b = good;
             put32(b, dir + 0x2C, 0x7FFFFFFFu);
             return b;
         },
         i18n::Msg::HelpDamaged},
        {"index chunk that points at itself",
         [&] {
             QByteArray b = good;
             const quint32 chunkSize = quint32(quint8(b[dir + 0x10]) | quint8(b[dir + 0x11]) << 8);
             put32(b, dir + 0x1C, 0); // the root is chunk 0 ...
             const qsizetype chunk = dir + 0x54;
             b.replace(chunk, 4, "PMGI");
             put32(b, chunk + 4, chunkSize - 8 - 3);
             b[chunk + 8] = 1; // ... whose one entry "a" leads to chunk 0
             b[chunk + 9] = 'a';
             b[chunk + 10] = 0;
             return b;
         },
         i18n::Msg::HelpDamaged},
    };
    help::HelpWindow window;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = writeFile(QStringLiteral("hostile.chm"), c.make());
        ASSERT_TRUE(window.showFile(path));
        const QString message =
            c.expected == anyProblem ? QString() : i18n::textIn(c.expected, i18n::Language::German);
        EXPECT_FALSE(window.problemText().isEmpty());
        EXPECT_TRUE(window.problemText().startsWith(message)) << window.problemText().toStdString();
        EXPECT_EQ(window.page()->toPlainText(), window.problemText());
    }
}

// Bytes changed all over a good file: whatever opens is read whole, without
// a crash (the sanitizers watch) and without a hang (the test's time-out).
TEST(HostileHelp, ChangedBytesAnywhereAreSurvived) {
    const QByteArray good = readAll(builtFile("helpfr.chm"));
    ASSERT_FALSE(good.isEmpty());
    int opened = 0;
    for (qsizetype at = 0; at < good.size(); at += 131) {
        QByteArray bad = good;
        bad[at] = char(~bad[at]);
        help::HelpBook book;
        if (book.open(writeFile(QStringLiteral("changed.chm"), bad)) !=
            help::HelpBook::Problem::None)
            continue;
        ++opened;
        for (const help::SitemapEntry& entry : book.contents())
            book.page(help::archivePath(entry.local));
    }
    EXPECT_GT(opened, 0);
}

TEST(HostileHelp, ContentsPointingNowhereOrOutside) {
    help::HelpWindow window;
    ASSERT_TRUE(window.showFile(QStringLiteral(QUELVOX_NOWHERE_CHM)));
    // It opens at the first entry that exists.
    EXPECT_EQ(window.page()->source(), help::HelpPage::urlOf(QStringLiteral("page.html")));
    EXPECT_FALSE(window.page()->toPlainText().contains(QStringLiteral("ran")));
    QTreeWidget* tree = window.contentsTree();
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    const QString missing = i18n::textIn(i18n::Msg::HelpPageMissing, i18n::Language::English);
    for (int i = 0; i < 3; ++i) { // gone.html, ../../etc/passwd, http://...
        emit tree->itemClicked(tree->topLevelItem(i), 0);
        EXPECT_TRUE(window.problemText().startsWith(missing)) << i;
    }
    emit tree->itemClicked(tree->topLevelItem(3), 0);
    EXPECT_TRUE(window.problemText().isEmpty());
    // A picture from the network is not fetched.
    EXPECT_FALSE(window.page()
                     ->loadResource(QTextDocument::ImageResource,
                                    QUrl(QStringLiteral("http://example.invalid/track.png")))
                     .isValid());
}
