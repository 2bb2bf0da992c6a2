#include "help/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct RecordingOpener {
    QList<QUrl> opened;
    help::UrlOpener previous;
    RecordingOpener() {
        previous = help::setUrlOpener([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
    }
    ~RecordingOpener() { help::setUrlOpener(previous); }
};

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}
} // namespace

TEST(HelpViewer, OpensOnlyExistingChmFiles) {
    RecordingOpener opener;
    QTemporaryDir dir;
    const QString chm = dir.filePath(QStringLiteral("helpen.CHM"));
    const QString txt = dir.filePath(QStringLiteral("help.txt"));
    touch(chm);
    touch(txt);

    EXPECT_TRUE(help::showContents(chm));
    EXPECT_FALSE(help::showContents(txt));
    EXPECT_FALSE(help::showContents(dir.filePath(QStringLiteral("missing.chm"))));
    EXPECT_FALSE(help::showContents(QString()));
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(chm));
}

TEST(HelpViewer, BareNamesLieBesideTheExecutable) {
    RecordingOpener opener;
    const QString exeDir = QCoreApplication::applicationDirPath();
    EXPECT_EQ(help::resolveHelpFile(QStringLiteral("helpde.chm")),
              QDir(exeDir).filePath(QStringLiteral("helpde.chm")));
    EXPECT_EQ(help::resolveHelpFile(QStringLiteral("/x/helpde.chm")),
              QStringLiteral("/x/helpde.chm"));

    const QString beside = QDir(exeDir).filePath(QStringLiteral("helpfr.chm"));
    touch(beside);
    EXPECT_TRUE(help::showContents(QStringLiteral("helpfr.chm")));
    QFile::remove(beside);
    EXPECT_FALSE(help::showContents(QStringLiteral("helpfr.chm")));

    // Installed: bin/quelvox finds share/quelvox/help/helpfr.chm; beside wins.
    const QString shareDir = QDir(exeDir).filePath(QStringLiteral("../share/quelvox/help"));
    ASSERT_TRUE(QDir().mkpath(shareDir));
    const QString installed = QDir::cleanPath(shareDir + QStringLiteral("/helpfr.chm"));
    touch(installed);
    EXPECT_EQ(help::resolveHelpFile(QStringLiteral("helpfr.chm")), installed);
    touch(beside);
    EXPECT_EQ(help::resolveHelpFile(QStringLiteral("helpfr.chm")), beside);
    QFile::remove(beside);
    QDir(QDir(exeDir).filePath(QStringLiteral("../share"))).removeRecursively();

    EXPECT_EQ(help::currentHelpFile(), QStringLiteral("helpde.chm"));
}
