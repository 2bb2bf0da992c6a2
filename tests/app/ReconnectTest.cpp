// The online terminal across an unplugged receiver: the stand-in receiver
// pulls its plug on SIGUSR1 and comes back behind the same link.
#include "tests/app/SimWindowFixture.h"

#include "serial/CommPort.h"
#include "serial/PortLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <csignal>

namespace {

class ReconnectTest : public SimWindowTest {
protected:
    void SetUp() override {
        SimWindowTest::SetUp();
        startOn({"--link", QDir::current().filePath(QStringLiteral("receiver")).toStdString(),
                 "--replug-after", "0.3"});
        port = settingsPort();
        form().OnLine1Click();
        ASSERT_TRUE(form().transfers().terminalOnline());
    }
    int settingsPort() { return form().settings().PortNumber; }
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

} // namespace

TEST_F(ReconnectTest, ComesBackOnItsOwnWithTheLockTakenAgain) {
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
