// The transfer commands where no list arrives: the guard going offline, a
// port that cannot be set up or opened, the cancelled save dialog. Virtual
// time; a pseudo-terminal stands in for the device.
#include "tests/app/WindowFixture.h"

#include "serial/ComThread.h"
#include "serial/TermThread.h"
#include "tests/support/Pty.h"

#include <QAction>
#include <QToolButton>

namespace {
using Icon = UserDialogs::Icon;

class TransferCommandsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        qputenv("QUELVOX_EXTRA_PORTS", QByteArray::fromStdString(pty.slavePath()));
        for (const auto& entry : PortList::scan())
            if (entry.devicePath == QString::fromStdString(pty.slavePath()))
                port = entry.name.mid(3).toInt();
        ASSERT_GE(port, 1);
        ASSERT_LE(port, 19);
        writeSettings(static_cast<uint8_t>(port), 115200, 2);
        start();
        form().show();
        dialogs.clear();
    }
    void TearDown() override {
        WindowTest::TearDown();
        qunsetenv("QUELVOX_EXTRA_PORTS");
    }
    void expectIdleControls() {
        auto& f = form();
        EXPECT_FALSE(f.transfer().ListBusy);
        EXPECT_FALSE(f.transfers().comThread());
        EXPECT_TRUE(button("SpeedButton4")->isEnabled());
        EXPECT_FALSE(button("CancelButton")->isEnabled());
    }

    Pty pty;
    int port = 0;
};

TEST_F(TransferCommandsTest, CancelledSaveDialogStartsNothing) {
    button("SpeedButton4")->click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Kind::Save);
    EXPECT_EQ(form().transfer().LastTransfer, 0);
    EXPECT_TRUE(form().transfer().ReceiveFileName.isEmpty());
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    expectIdleControls();

    // Nothing to repeat yet, and cancel without a worker only waits.
    const int64_t before = clock.nowMs();
    form().RedoButtonClick();
    form().CancelButtonClick();
    EXPECT_EQ(clock.nowMs() - before, 500);
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(TransferCommandsTest, PortHeldElsewhereIsReportedAndLeavesNothingRunning) {
    TCommPort other;
    other.SetPort(pty.slavePath());
    other.Open();
    dialogs.saveAnswers.push_back(QStringLiteral("held.lst"));
    action("Datenempfangen1")->trigger();
    other.Close();

    const QStringList texts = dialogs.messageTexts();
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.back(), QString::fromUtf8("Die Schnittstelle konte nicht geöffnet werden: "));
    EXPECT_EQ(dialogs.shown.back().caption, QStringLiteral("Quelvox"));
    EXPECT_EQ(form().transfer().LastTransfer, 3); // the repeat command can try again
    EXPECT_EQ(form().transfer().ReceiveFileName, QStringLiteral("held.lst"));
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    EXPECT_TRUE(form().transfer().ReceiveBuffer.empty()); // made only after the opening
    expectIdleControls();
}

TEST_F(TransferCommandsTest, RepeatWhileOnlineGoesOfflineWaitsAndMeetsTheOpenPort) {
    form().transfer().ReceiveFileName = QStringLiteral("again.lst");
    form().transfer().LastTransfer = 3;
    form().OnLine1Click();
    ASSERT_TRUE(form().transfers().terminalOnline());
    dialogs.clear();

    const int64_t before = clock.nowMs();
    form().RedoButtonClick(); // the button is still off: no transfer has ended yet
    EXPECT_GE(clock.nowMs() - before, 500);
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OffLine"));
    EXPECT_TRUE(form().transfer().UserCancelled);
    // The terminal's port is still open: its set-up fails and is reported.
    const QStringList texts = dialogs.messageTexts();
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts[texts.size() - 2], QStringLiteral("Comm Error: "));
    EXPECT_EQ(texts.back(), QStringLiteral("Kommunikationsfehler mit "));
    EXPECT_FALSE(form().transfer().ListBusy);
    EXPECT_FALSE(form().transfers().comThread());

    ASSERT_TRUE(waitFor([this] { return !form().transfers().termThread(); }));
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
}

TEST_F(TransferCommandsTest, ReceiveWhileOnlineGoesOfflineAndAsksForTheFile) {
    form().OnLine1Click();
    ASSERT_TRUE(form().transfers().terminalOnline());
    dialogs.clear();
    const int64_t before = clock.nowMs();
    button("SpeedButton4")->click();  // save dialog cancelled
    EXPECT_EQ(clock.nowMs(), before); // only the repeat command waits
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Kind::Save);
    ASSERT_TRUE(waitFor([this] { return !form().transfers().termThread(); }));
    EXPECT_FALSE(action("OnLine1")->isChecked());
}

} // namespace
