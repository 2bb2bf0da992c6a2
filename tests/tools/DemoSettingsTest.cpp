// tools/demo-settings.sh, the first-run settings of `make run`: the file it
// writes is read by the program's own settings code, and a file the user
// saved is never replaced.
#include "app/Settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ScriptRun {
    int exitCode = -1;
    QString out;
};

ScriptRun runScript(const QString& demo, const QString& extraPorts, const QString& device) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUELVOX_EXTRA_PORTS"), extraPorts);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUELVOX_SOURCE) + QStringLiteral("/tools/demo-settings.sh"),
                  {demo, QStringLiteral(QUELVOX_CLI_PATH), device});
    ScriptRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAll());
    return run;
}

// The COM number the machine's own ports leave for the first extra path.
int firstExtraPort() {
    QProcess process;
    process.start(QStringLiteral(QUELVOX_CLI_PATH), {QStringLiteral("ports")});
    process.waitForFinished(60000);
    return static_cast<int>(process.readAllStandardOutput().count('\n')) + 1;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(DemoSettings, SelectsTheStandInReceiverUntilTheUserSaves) {
    QTemporaryDir dir;
    const QString demo = dir.filePath(QStringLiteral("demo"));
    const QString dat = demo + QStringLiteral("/Quelvox.dat");
    const int first = firstExtraPort();
    // Extra ports are listed only while their paths exist.
    const QString other = dir.filePath(QStringLiteral("quelvox-other"));
    const QString sim = dir.filePath(QStringLiteral("quelvox-sim"));
    QFile(other).open(QIODevice::WriteOnly);
    QFile(sim).open(QIODevice::WriteOnly);
    ASSERT_LE(first + 1, 19) << "too many serial ports on this machine for the port menu";

    // First run: the stand-in receiver is the second extra port.
    ASSERT_EQ(runScript(demo, other + u':' + sim, sim).exitCode, 0);
    std::optional<Settings> settings = Settings::read(dat);
    ASSERT_TRUE(settings);
    EXPECT_EQ(contents(dat).size(), Settings::FileSize);
    EXPECT_EQ(settings->PortNumber, first + 1);
    EXPECT_EQ(settings->BaudRate, 115200);
    EXPECT_EQ(settings->LanguageId, 2);
    EXPECT_EQ(settings->TitleText, "Demo");
    EXPECT_EQ(settings->CommentText, "");

    // Still the file written here: it follows the receiver to its new number.
    ASSERT_EQ(runScript(demo, sim, sim).exitCode, 0);
    ASSERT_TRUE(settings = Settings::read(dat));
    EXPECT_EQ(settings->PortNumber, first);

    // Saved by the user (English chosen): theirs from now on.
    settings->LanguageId = 1;
    ASSERT_EQ(settings->write(dat), Settings::SaveResult::Saved);
    const QByteArray saved = contents(dat);
    EXPECT_EQ(runScript(demo, other + u':' + sim, sim).exitCode, 0);
    EXPECT_EQ(contents(dat), saved);

    // A device that is not among the ports: said so, nothing written.
    const QString fresh = dir.filePath(QStringLiteral("fresh"));
    const ScriptRun missing = runScript(fresh, other, sim);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.contains(sim));
    EXPECT_FALSE(QFile::exists(fresh + QStringLiteral("/Quelvox.dat")));
}
