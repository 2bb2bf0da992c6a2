// quelvox-cli ports --watch and --wait-port, with paths that come and go and
// the stand-in receiver plugged in after the command started.
#include "tests/support/SimProcess.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment withExtraPorts(const QString& paths) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUELVOX_EXTRA_PORTS"), paths);
    return environment;
}

// The next line the watch prints, within timeoutMs.
QString nextLine(QProcess& process, int timeoutMs = 5000) {
    while (!process.canReadLine())
        if (!process.waitForReadyRead(timeoutMs))
            return {};
    return QString::fromLocal8Bit(process.readLine()).trimmed();
}

} // namespace

TEST(PortWatch, PrintsEachPortThatComesOrGoesUntilCtrlC) {
    QTemporaryDir dir;
    const QString path = dir.filePath("receiver");
    QProcess watch;
    watch.setProcessEnvironment(withExtraPorts(path));
    watch.start(QStringLiteral(QUELVOX_CLI_PATH), {"ports", "--watch"});
    ASSERT_TRUE(watch.waitForStarted());
    // The machine's own ports are there from the start.
    for (int i = 0; i < 100 && !watch.waitForReadyRead(100);)
        ++i;
    while (watch.canReadLine())
        EXPECT_TRUE(watch.readLine().startsWith("+\tCOM"));

    QFile(path).open(QIODevice::WriteOnly);
    const QStringList came = nextLine(watch).split(u'\t');
    ASSERT_EQ(came.size(), 5) << came.join(u'|').toStdString();
    EXPECT_EQ(came[0], "+");
    EXPECT_TRUE(came[1].startsWith("COM"));
    EXPECT_EQ(came[2], path);
    EXPECT_EQ(came[4], path); // a path has no other identity
    QFile::remove(path);
    const QStringList went = nextLine(watch).split(u'\t');
    ASSERT_EQ(went.size(), 5);
    EXPECT_EQ(went[0], "-");
    EXPECT_EQ(went[1], came[1]);

    ::kill(static_cast<pid_t>(watch.processId()), SIGINT);
    ASSERT_TRUE(watch.waitForFinished(5000));
    EXPECT_EQ(watch.exitCode(), 0);
}

TEST(PortWait, ReceiveStartsOnceTheReceiverIsPluggedIn) {
    QTemporaryDir dir;
    const QString link = dir.filePath("receiver");
    const QString out = dir.filePath("out.lst");
    QProcess receive;
    receive.setProcessEnvironment(withExtraPorts(link));
    receive.setReadChannel(QProcess::StandardError);
    receive.start(QStringLiteral(QUELVOX_CLI_PATH),
                  {"receive", "--port", link, out, "--wait-port", "30", "--speedup", "25"});
    ASSERT_TRUE(receive.waitForStarted());
    ASSERT_TRUE(receive.waitForReadyRead(5000)); // it says that it waits
    EXPECT_TRUE(receive.readAll().contains("waiting for port"));

    SimProcess sim({"--speedup", "25", "--link", link.toStdString()});
    ASSERT_TRUE(receive.waitForFinished(60000));
    EXPECT_EQ(receive.exitCode(), 0) << receive.readAllStandardError().toStdString();
    EXPECT_EQ(QFile(out).size(), 185026);
}

TEST(PortWait, GivesUpWhenThePortDoesNotAppear) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.lst");
    const struct {
        const char* port;
    } cases[] = {{"/dev/quelvox-no-such-port"}, {"COM19"}, {"usb-Quelvox_No_Such_Adapter"}};
    for (const auto& c : cases) {
        QProcess receive;
        receive.setProcessEnvironment(withExtraPorts({}));
        receive.start(QStringLiteral(QUELVOX_CLI_PATH),
                      {"receive", "--port", c.port, out, "--wait-port", "0.3"});
        ASSERT_TRUE(receive.waitForFinished(10000));
        EXPECT_EQ(receive.exitCode(), 2) << c.port;
        EXPECT_TRUE(receive.readAllStandardError().contains("did not appear within 0.3 s"))
            << c.port;
        EXPECT_FALSE(QFile::exists(out));
    }
}
