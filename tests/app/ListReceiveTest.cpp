// "Daten empfangen..." end to end: the main window against the stand-in
// receiver on a pseudo-terminal. The window's and the receiver's own pauses
// run 20 times faster; the serial read time-outs are real, so every receive
// ends with one silent read of about 1.3 s.
#include "tests/app/SimWindowFixture.h"

#include "serial/ComThread.h"
#include "tests/support/ListBlocks.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QThread>
#include <QToolButton>

namespace {
using Icon = UserDialogs::Icon;

const QString received = QString::fromUtf8("Liste wurde vollständig empfangen");
const QString corrupt = QString::fromUtf8("Die empfangene Senderliste ist beschädigt.");
const QString failed = QString::fromUtf8("Beim Empfang der Liste ist ein Fehler aufgetreten.");
const QString cancelled = QStringLiteral("Abbruch durch Benutzer");
const QString waitText =
    QStringLiteral("Bitte warten Sie bis der Datentransfer abgeschlossen ist.");
const QString notSaved = QStringLiteral("Daten konnten nicht gespeichert werden");

class ListReceiveTest : public SimWindowTest {
protected:
    // Chooses the target in the save dialog and starts the receive.
    void receiveInto(const QString& path) {
        dialogs.saveAnswers.push_back(path);
        button("SpeedButton4")->click();
    }

    bool transferEnded(int ms = 30000) {
        return waitFor(
            [this] { return !form().transfer().ListBusy && !form().transfers().comThread(); }, ms);
    }

    void expectControls(bool transferRunning) {
        for (QToolButton* b : {button("SpeedButton2"), button("SpeedButton3"),
                               button("SpeedButton4"), button("RedoButton")})
            EXPECT_EQ(b->isEnabled(), !transferRunning) << b->objectName().toStdString();
        EXPECT_EQ(action("LetztenTransferwiederholen1")->isEnabled(), !transferRunning);
        EXPECT_EQ(button("CancelButton")->isEnabled(), transferRunning);
    }

    void expectOnlyBox(const QString& text, Icon icon) {
        ASSERT_EQ(dialogs.messageTexts(), QStringList{text});
        const auto& box = dialogs.shown.back();
        EXPECT_EQ(box.caption, QStringLiteral("Quelvox"));
        EXPECT_EQ(box.icon, icon);
    }

    QString target(const char* name) const { return QDir::current().filePath(name); }
};

TEST_F(ListReceiveTest, ReceivesSavesAndRepeatsIntoTheSameFile) {
    const auto served = listblocks::make(7);
    ASSERT_TRUE(listblocks::writeFile(QStringLiteral("served.lst"), served));
    startOn({"--list", "served.lst"});
    const QString path = target("got.lst");
    QFile::remove(path);

    receiveInto(path);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Kind::Save);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("Empfangene Daten speichern in..."));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("List-Datei (*.lst)|*.lst"));
    EXPECT_TRUE(form().transfer().ListBusy);
    EXPECT_EQ(form().transfer().LastTransfer, 3);
    expectControls(true);

    // While it runs, every transfer command waits.
    ASSERT_TRUE(
        waitFor([this] { return control<QProgressBar>("ProgressBar1")->value() > 0; }, 15000));
    dialogs.clear();
    action("Datenempfangen1")->trigger();
    form().RedoButtonClick();
    form().OnLine1Click();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{waitText, waitText, waitText}));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Warning);
    dialogs.clear();

    ASSERT_TRUE(transferEnded());
    expectOnlyBox(received, Icon::Information);
    EXPECT_EQ(listblocks::readFile(path), listblocks::bytes(served));
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    EXPECT_TRUE(form().transfer().ReceiveBuffer.empty());
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 0);
    expectControls(false);
    EXPECT_TRUE(QFile::exists(QStringLiteral("logRead.txt")));

    // Repeat: no dialog, the same file gets the list again. A language chosen
    // while it runs is the language of its message.
    ASSERT_TRUE(listblocks::writeFile(path, listblocks::make(1)));
    dialogs.clear();
    button("RedoButton")->click();
    expectControls(true);
    action("Englisch1")->trigger();
    ASSERT_TRUE(transferEnded());
    expectOnlyBox(QStringLiteral("List successfull received"), Icon::Information);
    EXPECT_EQ(listblocks::readFile(path), listblocks::bytes(served));
    expectControls(false);
}

TEST_F(ListReceiveTest, CancelDuringTheStream) {
    startOn({"--throttle"}); // 115200 baud: the stream takes about 16 s
    const QString path = target("cancelled.lst");
    QFile::remove(path);
    receiveInto(path);
    ASSERT_TRUE(
        waitFor([this] { return control<QProgressBar>("ProgressBar1")->value() > 0; }, 15000));
    button("CancelButton")->click();
    ASSERT_TRUE(transferEnded());
    expectOnlyBox(cancelled, Icon::Warning);
    EXPECT_FALSE(form().transfer().UserCancelled); // reported once
    EXPECT_FALSE(QFile::exists(path));
    expectControls(false);
}

TEST_F(ListReceiveTest, ClosingTheProgramDuringAReceive) {
    startOn({"--throttle"});
    receiveInto(target("closing.lst"));
    ASSERT_TRUE(
        waitFor([this] { return control<QProgressBar>("ProgressBar1")->value() > 0; }, 15000));
    windows.reset(); // ends the worker and releases the line without hanging
    TCommPort again;
    again.SetPort(sim->devicePath());
    EXPECT_NO_THROW(again.Open());
    again.Close();
    EXPECT_FALSE(QFile::exists(target("closing.lst")));
}

TEST_F(ListReceiveTest, QuitWhileTheWorkerWaitsForTheWindow) {
    startOn({"--throttle"});
    receiveInto(target("quit.lst"));
    ASSERT_TRUE(
        waitFor([this] { return control<QProgressBar>("ProgressBar1")->value() > 0; }, 15000));
    // The GUI thread stops answering: after its next chunk the worker waits
    // in its synchronised call onto the window.
    QThread::msleep(300);
    QElapsedTimer quitting;
    quitting.start();
    windows.reset();
    EXPECT_LT(quitting.elapsed(), 10000);
    EXPECT_FALSE(QFile::exists(target("quit.lst")));
}

TEST_F(ListReceiveTest, CorruptListAndUnwritableTargetSaveNothing) {
    ASSERT_TRUE(listblocks::writeFile(QStringLiteral("corrupt.lst"), listblocks::make(3, true)));
    startOn({"--list", "corrupt.lst"});
    const QString path = target("corrupt-got.lst");
    QFile::remove(path);
    receiveInto(path);
    ASSERT_TRUE(transferEnded());
    expectOnlyBox(corrupt, Icon::Information);
    EXPECT_FALSE(QFile::exists(path));

    // An intact list (the receiver's own sample) into a folder that is not there.
    WindowTest::TearDown();
    sim.reset();
    dialogs.clear();
    startOn({});
    receiveInto(target("no-such-folder/got.lst"));
    ASSERT_TRUE(transferEnded());
    expectOnlyBox(notSaved, Icon::Warning);
    EXPECT_FALSE(QFile::exists(target("no-such-folder")));
    expectControls(false);
}

TEST_F(ListReceiveTest, DroppedLineEndsLikeAFailedReceive) {
    startOn({"--drop-after", "60000"});
    const QString path = target("dropped.lst");
    QFile::remove(path);
    receiveInto(path);
    ASSERT_TRUE(transferEnded());
    // The port's own box for the read error, then the outcome.
    ASSERT_FALSE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(dialogs.messageTexts().back(), failed);
    EXPECT_EQ(dialogs.shown.back().icon, Icon::Warning);
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    EXPECT_FALSE(QFile::exists(path));
    expectControls(false);

    // The window goes on: the next command opens the save dialog again.
    dialogs.clear();
    action("Datenempfangen1")->trigger(); // cancelled in the dialog
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Kind::Save);
    EXPECT_FALSE(form().transfer().ListBusy);
}

} // namespace
