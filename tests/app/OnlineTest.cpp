// Going online and offline against a pseudo-terminal that plays the receiver.
#include "tests/app/WindowFixture.h"

#include "ports/DeviceWatch.h"
#include "serial/TermThread.h"
#include "tests/support/Pty.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

// Lists the pty as an extra port and returns its COM number.
int listPty(const Pty& pty) {
    qputenv("QUELVOX_EXTRA_PORTS", QByteArray::fromStdString(pty.slavePath()));
    const auto ports = PortList::scan();
    for (const auto& port : ports)
        if (port.devicePath == QString::fromStdString(pty.slavePath()))
            return static_cast<int>(port.name.mid(3).toInt());
    return 0;
}

void type(QWidget* field, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &press);
}

class OnlineTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        port = listPty(pty);
        ASSERT_GE(port, 1);
        ASSERT_LE(port, 19) << "the pty must fit the port menu";
        writeSettings(static_cast<uint8_t>(port), 115200, 2);
        start();
        form().show(); // the real port list, which holds the pty
        ASSERT_TRUE(dialogs.shown.isEmpty());
    }
    void TearDown() override {
        WindowTest::TearDown();
        qunsetenv("QUELVOX_EXTRA_PORTS");
    }
    bool offline() {
        return waitFor([this] {
            return !form().transfers().terminalOnline() && !form().transfers().termThread();
        });
    }

    Pty pty;
    int port = 0;
};

} // namespace

TEST_F(OnlineTest, OnlineTypeAndOffline) {
    auto& f = form();
    action("OnLine1")->trigger();
    ASSERT_TRUE(f.transfers().terminalOnline());
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(action("OnLine1")->isChecked());
    EXPECT_FALSE(action("OnLine1")->isEnabled());
    EXPECT_FALSE(action("OffLine1")->isChecked());
    EXPECT_TRUE(action("OffLine1")->isEnabled());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    EXPECT_TRUE(button("SpeedButton1")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>("MaskEdit1")->isVisible());
    EXPECT_TRUE(control<QLabel>("LabelSend")->isVisible());
    EXPECT_EQ(f.statusText(), QStringLiteral("Verbindung OnLine: COM%1, 115200").arg(port));
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Aktuelle Port-Einstellungen:")));

    // What the receiver prints follows the port report.
    pty.send("Main Menu\r\n");
    ASSERT_TRUE(waitFor([&] {
        return control<QPlainTextEdit>("RichEdit1")->toPlainText().endsWith("Main Menu\n");
    }));
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .contains(QStringLiteral(" > Baudrate: 115200\nMain Menu")));

    // A line typed into the input field goes out, Enter as CR LF.
    control<QLineEdit>("MaskEdit1")->setFocus();
    type(control<QLineEdit>("MaskEdit1"), Qt::Key_5, QStringLiteral("5"));
    type(control<QLineEdit>("MaskEdit1"), Qt::Key_0, QStringLiteral("0"));
    EXPECT_EQ(control<QLineEdit>("MaskEdit1")->text(),
              QStringLiteral("50")); // the key is not consumed
    type(control<QLineEdit>("MaskEdit1"), Qt::Key_Return, QStringLiteral("\r"));
    std::string sent;
    for (int i = 0; i < 50 && sent.size() < 4; ++i) {
        sent += pty.receive(100);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(sent, "50\r\n");
    ASSERT_TRUE(waitFor([&] { return control<QLineEdit>("MaskEdit1")->text().isEmpty(); }));
    EXPECT_TRUE(waitFor([&] {
        return control<QPlainTextEdit>("RichEdit1")->toPlainText().contains(" SEND : 50");
    }));

    // Offline: please wait, then offline; the buttons come back once the
    // worker has ended and the port is closed.
    button("SpeedButton1")->click();
    EXPECT_EQ(f.statusText(), QStringLiteral("Verbindung OffLine"));
    EXPECT_TRUE(f.transfer().UserCancelled);
    ASSERT_TRUE(offline());
    EXPECT_FALSE(f.transfers().listPort()->IsOpen());
    EXPECT_TRUE(action("OffLine1")->isChecked());
    EXPECT_FALSE(action("OffLine1")->isEnabled());
    EXPECT_TRUE(action("OnLine1")->isEnabled());
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
    EXPECT_FALSE(button("SpeedButton1")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("MaskEdit1")->isVisible());
    EXPECT_TRUE(QFile::exists(QStringLiteral("logTerm.txt")));
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // Typing offline only edits the field.
    control<QLineEdit>("MaskEdit1")->show();
    type(control<QLineEdit>("MaskEdit1"), Qt::Key_A, QStringLiteral("A"));
    EXPECT_TRUE(pty.receive(50).empty());
}

TEST_F(OnlineTest, ReceiverTestToggleAndPortChoiceGoOffline) {
    auto& f = form();
    action("ReceiverTest1")->trigger();
    EXPECT_TRUE(action("ReceiverTest1")->isChecked());
    ASSERT_TRUE(f.transfers().terminalOnline());
    action("ReceiverTest1")->trigger();
    EXPECT_FALSE(action("ReceiverTest1")->isChecked());
    ASSERT_TRUE(offline());

    f.OnLine1Click();
    ASSERT_TRUE(f.transfers().terminalOnline());
    portItem(static_cast<std::size_t>(port - 1))->trigger();
    ASSERT_TRUE(offline());
    EXPECT_FALSE(f.transfers().listPort()->IsOpen());
}

TEST_F(OnlineTest, LanguageSwitchWhileOnlineRewritesOnlyThePortReport) {
    form().OnLine1Click();
    ASSERT_TRUE(form().transfers().terminalOnline());
    const QString status = form().statusText();
    action("Franzsisch1")->trigger();
    EXPECT_TRUE(form().transfers().terminalOnline());
    EXPECT_EQ(form().statusText(), status);
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .startsWith(QString::fromUtf8("Réglages du PORT actuel:")));
    pty.send("Menu\r\n"); // the line still works
    EXPECT_TRUE(waitFor(
        [&] { return control<QPlainTextEdit>("RichEdit1")->toPlainText().endsWith("Menu\n"); }));
    button("SpeedButton1")->click();
    EXPECT_EQ(form().statusText(), QStringLiteral("Connexion OffLine"));
    EXPECT_TRUE(offline());
}

TEST_F(OnlineTest, PortHeldByAnotherProgram) {
    TCommPort other;
    other.SetPort(pty.slavePath());
    other.Open();
    form().OnLine1Click();
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("error"));
    EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8("Com-Port kann nicht geöffnet werden!"));
    EXPECT_EQ(dialogs.shown[0].icon, UserDialogs::Icon::Warning);
    EXPECT_EQ(dialogs.shown[1].text,
              QString::fromUtf8("Die Schnittstelle konte nicht geöffnet werden: "));
    EXPECT_EQ(dialogs.shown[1].caption, QStringLiteral("Quelvox"));
    EXPECT_FALSE(form().transfers().terminalOnline());
    EXPECT_FALSE(action("OnLine1")->isChecked());
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
    other.Close();
}

TEST_F(OnlineTest, DeviceThatDisappearsIsWaitedForUntilOffLine) {
    form().OnLine1Click();
    ASSERT_TRUE(form().transfers().terminalOnline());
    pty.closeMaster();
    const QString lost = QStringLiteral("\nVerbindung zu COM%1 verloren. Warte, bis das "
                                        "Ger\u00e4t wieder da ist...\n")
                             .arg(port);
    ASSERT_TRUE(waitFor(
        [&] { return control<QPlainTextEdit>("RichEdit1")->toPlainText().endsWith(lost); }));
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OffLine"));
    EXPECT_FALSE(form().transfers().terminalOnline());
    EXPECT_FALSE(form().transfers().listPort()->IsOpen());
    EXPECT_TRUE(dialogs.shown.isEmpty()); // the view says it, no box
    // Still "On Line" while it waits: "Off Line" ends the waiting.
    EXPECT_TRUE(action("OnLine1")->isChecked());
    ASSERT_TRUE(action("OffLine1")->isEnabled());
    action("OffLine1")->trigger();
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OffLine"));
    EXPECT_FALSE(action("OnLine1")->isChecked());
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("MaskEdit1")->isVisible());
    EXPECT_FALSE(form().transfers().termThread());
}

TEST_F(OnlineTest, NothingChangesWhileNothingIsPluggedOrUnplugged) {
    form().OnLine1Click();
    ASSERT_TRUE(form().transfers().terminalOnline());
    const QString view = control<QPlainTextEdit>("RichEdit1")->toPlainText();
    const QString status = form().statusText();
    QStringList menu;
    for (const QAction* item : portItems())
        menu.append(item->text() + (item->isVisible() ? u'+' : u'-'));
    // Long enough for the device watch to look at its paths a few times.
    waitFor([] { return false; }, DeviceWatch::MinGapMs * 2);
    EXPECT_TRUE(pty.receive(20).empty());
    EXPECT_EQ(control<QPlainTextEdit>("RichEdit1")->toPlainText(), view);
    EXPECT_EQ(form().statusText(), status);
    QStringList after;
    for (const QAction* item : portItems())
        after.append(item->text() + (item->isVisible() ? u'+' : u'-'));
    EXPECT_EQ(after, menu);
    EXPECT_TRUE(form().transfers().terminalOnline());
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(OnlineTest, ClosingTheProgramWhileOnline) {
    form().OnLine1Click();
    ASSERT_TRUE(form().transfers().terminalOnline());
    pty.send("busy receiver output\r\n");
    windows.reset(); // stops the terminal and releases the port without hanging
    TCommPort again;
    again.SetPort(pty.slavePath());
    EXPECT_NO_THROW(again.Open());
    again.Close();
}
