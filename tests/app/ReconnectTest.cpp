// The online terminal across an unplugged receiver: the stand-in receiver
// pulls its plug on SIGUSR1 and comes back behind the same link.
#include "tests/app/SimWindowFixture.h"

#include "ports/DeviceWatch.h"
#include "serial/CommPort.h"
#include "serial/PortLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <csignal>
#include <sys/fsuid.h>

namespace {

class ReconnectTest : public SimWindowTest {
protected:
    void SetUp() override {
        SimWindowTest::SetUp();
        for (const QString& lock : locks()) // of a run that was killed
            QFile::remove(QDir(QString::fromStdString(PortLock::defaultFolder())).filePath(lock));
        startOn({"--link", QDir::current().filePath(QStringLiteral("receiver")).toStdString(),
                 "--replug-after", replugAfter()});
        port = form().settings().PortNumber;
    }
    virtual const char* replugAfter() const { return "0.3"; }
    void goOnline() {
        form().OnLine1Click();
        ASSERT_TRUE(form().transfers().terminalOnline());
    }
    QString view() { return control<QPlainTextEdit>("RichEdit1")->toPlainText(); }
    bool viewEndsWith(const QString& line) {
        return waitFor([&] { return view().endsWith(line); });
    }
    static QStringList locks() {
        return QDir(QString::fromStdString(PortLock::defaultFolder()))
            .entryList({QStringLiteral("LCK..*")}, QDir::Files | QDir::System);
    }
    void unplug() { ::kill(sim->pid(), SIGUSR1); }
    QString lostLine() const {
        return QStringLiteral("\nVerbindung zu COM%1 verloren. Warte, bis das Ger\u00e4t wieder da "
                              "ist...\n")
            .arg(port);
    }

    int port = 0;
};

// File access of this thread as user "nobody" while it lives.
struct NotRoot {
    NotRoot() { ::setfsuid(65534); }
    ~NotRoot() { end(); }
    void end() const { ::setfsuid(0); }
};

} // namespace

TEST_F(ReconnectTest, ComesBackOnItsOwnWithTheLockTakenAgain) {
    goOnline();
    ASSERT_EQ(locks().size(), 1);
    unplug();
    ASSERT_TRUE(viewEndsWith(lostLine()));
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OffLine"));
    EXPECT_TRUE(locks().isEmpty()); // released while the device is gone
    EXPECT_TRUE(action("OnLine1")->isChecked());

    const QString back = QStringLiteral("\nVerbindung zu COM%1 wieder hergestellt.\n").arg(port);
    ASSERT_TRUE(viewEndsWith(back));
    EXPECT_TRUE(form().transfers().terminalOnline());
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OnLine: COM%1, 115200").arg(port));
    EXPECT_EQ(locks().size(), 1);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // The same line works again: the receiver answers a typed command.
    auto* field = control<QLineEdit>("MaskEdit1");
    for (const char c : {'4', '0', '0', '\r'}) {
        QKeyEvent press(QEvent::KeyPress, c == '\r' ? Qt::Key_Return : Qt::Key_0, Qt::NoModifier,
                        QString(QChar(c)));
        QCoreApplication::sendEvent(field, &press);
    }
    EXPECT_TRUE(waitFor([&] { return view().contains(QStringLiteral("Upload Ch_Data")); }));
    EXPECT_TRUE(view().contains(QStringLiteral(" SEND : 400")));

    action("OffLine1")->trigger();
    EXPECT_TRUE(waitFor([&] { return !form().transfers().termThread(); }));
    EXPECT_TRUE(locks().isEmpty());
}

TEST_F(ReconnectTest, OffLineWhileWaitingKeepsItOffline) {
    goOnline();
    unplug();
    ASSERT_TRUE(viewEndsWith(lostLine()));
    action("OffLine1")->trigger();
    EXPECT_FALSE(action("OnLine1")->isChecked());
    const QString link = QString::fromStdString(sim->devicePath());
    ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(link); }));
    // Well past the time a return takes to be seen.
    waitFor([] { return false; }, 1500);
    EXPECT_FALSE(form().transfers().terminalOnline());
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    EXPECT_TRUE(locks().isEmpty());
    EXPECT_TRUE(view().endsWith(lostLine()));
}

// Away long enough for the device watch to see the port list without it.
class LongUnplugTest : public ReconnectTest {
protected:
    const char* replugAfter() const override { return "1.5"; }
};

TEST_F(LongUnplugTest, APermissionDeniedReturnIsReportedOnceAndTriedAfterItsNextReturn) {
    // Another device that comes and goes while the refused one stays (where
    // "nobody" may make it).
    const QString other = QDir::temp().filePath(
        QStringLiteral("quelvox-other-%1").arg(QCoreApplication::applicationPid()));
    qputenv("QUELVOX_EXTRA_PORTS", qgetenv("QUELVOX_EXTRA_PORTS") + ':' + other.toLocal8Bit());
    goOnline();
    unplug();
    ASSERT_TRUE(viewEndsWith(lostLine()));
    // This thread, where the window reopens the port, loses root's right to
    // open what it may not (the returning device node is root's, mode 620).
    const NotRoot notRoot;
    ASSERT_TRUE(waitFor([&] { return dialogs.shown.size() >= 2; }));
    for (int i = 0; i < 2; ++i) {
        QFile(other).open(QIODevice::WriteOnly);
        waitFor([] { return false; }, DeviceWatch::MinGapMs + DeviceWatch::PollMs);
        QFile::remove(other);
        waitFor([] { return false; }, DeviceWatch::MinGapMs + DeviceWatch::PollMs);
    }
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("error"));
    EXPECT_EQ(dialogs.shown[1].text,
              QString::fromUtf8("Die Schnittstelle konte nicht geöffnet werden: "));
    EXPECT_FALSE(form().transfers().terminalOnline());
    EXPECT_TRUE(action("OnLine1")->isChecked()); // still waiting

    notRoot.end();
    unplug(); // away once more, and back
    EXPECT_TRUE(waitFor([&] { return form().transfers().terminalOnline(); }, 15000));
    EXPECT_EQ(dialogs.shown.size(), 2);
}

class FlappingTest : public ReconnectTest {
protected:
    const char* replugAfter() const override { return "0.02"; }
};

TEST_F(FlappingTest, ADeviceThatFlapsIsTakenAtMostAsOftenAsTheWatchReports) {
    goOnline();
    QStringList menu;
    for (const QAction* item : portItems())
        menu.append(item->text() + (item->isVisible() ? u'+' : u'-'));
    constexpr int flapMs = 2000;
    QElapsedTimer flapping;
    flapping.start();
    while (flapping.elapsed() < flapMs) {
        unplug(); // ignored while unplugged: the link comes and goes at about 20 Hz
        waitFor([] { return false; }, 50);
    }
    ASSERT_TRUE(waitFor([&] { return form().transfers().terminalOnline(); }));
    // Each loss follows a reopening, and those come one per change at most.
    const int losses = static_cast<int>(view().count(QStringLiteral("verloren")));
    EXPECT_GE(losses, 1);
    EXPECT_LE(losses, flapMs / DeviceWatch::MinGapMs + 2);
    QStringList after;
    for (const QAction* item : portItems())
        after.append(item->text() + (item->isVisible() ? u'+' : u'-'));
    EXPECT_EQ(after, menu);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}
