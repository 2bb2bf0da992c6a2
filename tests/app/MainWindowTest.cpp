#include "tests/app/WindowFixture.h"

#include "app/AboutBox.h"
#include "help/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <thread>

namespace {
using Icon = UserDialogs::Icon;
using Kind = FakeDialogs::Shown::Kind;

QString report(const QString& heading, int port) {
    return heading + QStringLiteral("\n > Port:     COM %1\n > Baudrate: 115200\n").arg(port);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST_F(WindowTest, StartWithoutSettingsFile) {
    start();
    // The message comes from the constructor, before anything is shown.
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Error open Quelvox.dat !!!"));
    EXPECT_EQ(dialogs.shown[0].caption, QStringLiteral("Quelvox"));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Warning);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Quelvox v0.15 - Editor"));
    EXPECT_EQ(form().settings().PortNumber, 1);
    EXPECT_EQ(form().settings().BaudRate, 115200);
    EXPECT_EQ(form().settings().LanguageId, 2);
    EXPECT_EQ(form().transfer().LastTransfer, 0);
    EXPECT_FALSE(form().settings().fileRead);

    // German start-up captions, keys, names and hints.
    EXPECT_EQ(menu("Help1")->title(), QStringLiteral("&Hilfe"));
    EXPECT_EQ(action("HelpIndex1")->text(), QStringLiteral("&Inhalt"));
    EXPECT_EQ(action("Datensenden1")->text(), QStringLiteral("Daten senden..."));
    EXPECT_EQ(action("Datensenden1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(action("Info1")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(action("Datenempfangen1")->objectName(), QStringLiteral("Datenempfangen1"));
    EXPECT_EQ(button("AnsichtNeuButton")->toolTip(), QString::fromUtf8("Anzeige löschen"));
    EXPECT_EQ(control<i18n::DialogTexts>("OpenDialog1")->title,
              QString::fromUtf8("Zu sendende Datei auswählen"));
    EXPECT_EQ(control<i18n::DialogTexts>("SaveDialog1")->filter,
              QStringLiteral("List-Datei (*.lst)|*.lst"));
    EXPECT_TRUE(action("OffLine1")->isChecked());
    EXPECT_FALSE(action("OffLine1")->isEnabled());
    EXPECT_FALSE(action("LetztenTransferwiederholen1")->isEnabled());
    for (QAction* item : portItems())
        EXPECT_FALSE(item->isVisible());

    show(fakePorts({1, 2}));
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(dialogs.shown.size(), 1); // COM1 is listed: no lost-port message
    EXPECT_TRUE(portItem(0)->isChecked());
    EXPECT_TRUE(portItem(1)->isVisible());
    EXPECT_FALSE(portItem(2)->isVisible());
    EXPECT_TRUE(action("Deutsch1")->isChecked());
    EXPECT_EQ(control<QPlainTextEdit>("RichEdit1")->toPlainText(),
              report(QStringLiteral("Aktuelle Port-Einstellungen:"), 1));
    EXPECT_EQ(menu("Help1")->title(), QStringLiteral("Hilfe"));
}

TEST_F(WindowTest, StoredEnglishSettingsFile) {
    writeSettings(4, 9600, 1, "Lab", "Comment here", "Footer line");
    start();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Lab Quelvox v1.03"));
    EXPECT_EQ(form().settings().BaudRate, 9600);
    EXPECT_EQ(window<TForm2>(i18n::Window::Form2).Comment->text(), QStringLiteral("Comment here"));
    EXPECT_EQ(window<TForm2>(i18n::Window::Form2).Footer->text(), QStringLiteral("Footer line"));

    show(fakePorts({3, 4}));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_TRUE(portItem(1)->isChecked());
    EXPECT_FALSE(portItem(0)->isChecked());
    EXPECT_TRUE(action("Englisch1")->isChecked());
    EXPECT_FALSE(action("Deutsch1")->isChecked());
    EXPECT_EQ(action("Datensenden1")->text(), QStringLiteral("Send Data..."));
    EXPECT_EQ(control<QPlainTextEdit>("RichEdit1")->toPlainText(),
              report(QStringLiteral("Current COM-Port Setup:"), 4));
    EXPECT_EQ(help::currentHelpFile(), QStringLiteral("helpen.chm"));
    EXPECT_EQ(i18n::text(i18n::Msg::StatusOffline), QStringLiteral("Connection OffLine"));
}

TEST_F(WindowTest, UnknownStoredLanguageKeepsGermanDesignTexts) {
    for (uint8_t language : {0, 4}) {
        writeSettings(1, 115200, language);
        start();
        show(fakePorts({1}));
        EXPECT_EQ(form().settings().LanguageId, language);
        EXPECT_EQ(menu("Help1")->title(), QStringLiteral("&Hilfe"));
        EXPECT_EQ(action("OnLine1")->text(), QStringLiteral("&On Line"));
        EXPECT_FALSE(action("Englisch1")->isChecked() || action("Deutsch1")->isChecked() ||
                     action("Franzsisch1")->isChecked());
        EXPECT_EQ(i18n::text(i18n::Msg::NoComPort), QStringLiteral("No COM-Port detected"));
        // No language command ran, so no port report either.
        EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")->toPlainText().isEmpty());
        windows.reset();
    }
}

TEST_F(WindowTest, LostAndMissingPorts) {
    writeSettings(1, 115200, 2);
    start();
    show(fakePorts({3, 5}));
    // The first scan runs before the language table: start value of the slot.
    ASSERT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Saved COM-Port does not exist!")});
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Warning);
    EXPECT_EQ(form().settings().PortNumber, 3);
    EXPECT_TRUE(portItem(0)->isChecked());
    EXPECT_FALSE(portItem(1)->isChecked());
    EXPECT_EQ(control<QComboBox>("CBoxPortName")->count(), 2);
    EXPECT_EQ(control<QComboBox>("CBoxPortName")->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OffLine"));
    windows.reset();

    dialogs.clear();
    i18n::resetMessages(); // as at a fresh program start
    writeSettings(7, 115200, 2);
    start();
    show({});
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("No COM-Port detected")});
    EXPECT_EQ(form().settings().PortNumber, 7);
    for (QAction* item : portItems())
        EXPECT_FALSE(item->isVisible());
    // A later scan reads the German slot.
    dialogs.clear();
    form().PortEinstellung1Click();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Kein COM-Port erkannt.")});
}

TEST_F(WindowTest, ThreeDigitPortNameReadsAsTwoDigits) {
    writeSettings(10, 115200, 2);
    start();
    show({{QStringLiteral("COM100"), QStringLiteral("/dev/x"), {}}});
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(portItem(0)->text(), QStringLiteral("&COM100"));
    EXPECT_TRUE(portItem(0)->isChecked());
}

TEST_F(WindowTest, ExtraPortsOfTheEnvironment) {
    // Port 0 is never listed: lost-port message, the first port is taken.
    writeSettings(0, 115200, 2);
    const QByteArray saved = qgetenv("QUELVOX_EXTRA_PORTS");
    QTemporaryDir dir; // extra ports are listed only while their paths exist
    QStringList paths;
    for (int i = 0; i < 25; ++i) {
        paths << dir.filePath(QStringLiteral("quelvox-test-%1").arg(i));
        QFile(paths.back()).open(QIODevice::WriteOnly);
    }
    qputenv("QUELVOX_EXTRA_PORTS", paths.join(QLatin1Char(':')).toLocal8Bit());
    start();
    form().show(); // the real port list
    qputenv("QUELVOX_EXTRA_PORTS", saved);

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Saved COM-Port does not exist!")});
    EXPECT_EQ(form().settings().PortNumber, 1);
    for (QAction* item : portItems())
        EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(control<QComboBox>("CBoxPortName")->count(), 19);
    EXPECT_EQ(portItem(18)->text(), QStringLiteral("&COM19"));
    EXPECT_TRUE(menu("Port1")->toolTipsVisible());
    // The extra ports come after the machine's own: the last item shows one.
    EXPECT_TRUE(portItem(18)->toolTip().startsWith(dir.path()));
    EXPECT_EQ(portItem(18)->statusTip(), portItem(18)->toolTip());
}

TEST_F(WindowTest, ChoosingAPort) {
    start();
    show(fakePorts({2, 12}));
    dialogs.clear();
    portItem(1)->trigger();
    EXPECT_EQ(form().settings().PortNumber, 12);
    EXPECT_TRUE(portItem(1)->isChecked());
    EXPECT_FALSE(portItem(0)->isChecked());
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OffLine"));
    EXPECT_EQ(control<QPlainTextEdit>("RichEdit1")->toPlainText(),
              report(QStringLiteral("Aktuelle Port-Einstellungen:"), 12));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(WindowTest, EnableControlsStates) {
    start();
    auto& f = form();
    // Start.
    EXPECT_TRUE(button("SpeedButton2")->isEnabled());
    EXPECT_FALSE(button("SpeedButton1")->isEnabled());
    EXPECT_TRUE(button("SpeedButton3")->isEnabled() && button("SpeedButton4")->isEnabled());
    EXPECT_FALSE(button("RedoButton")->isEnabled());
    EXPECT_FALSE(button("CancelButton")->isEnabled());
    EXPECT_TRUE(button("CancelButton")->isHidden());
    EXPECT_TRUE(button("PrintButton")->isHidden());

    f.EnableControls(false); // transfer started
    EXPECT_FALSE(button("SpeedButton2")->isEnabled() || button("SpeedButton3")->isEnabled() ||
                 button("SpeedButton4")->isEnabled() || button("RedoButton")->isEnabled() ||
                 action("LetztenTransferwiederholen1")->isEnabled());
    EXPECT_TRUE(button("CancelButton")->isEnabled());
    EXPECT_FALSE(button("CancelButton")->isHidden()); // a running transfer can be cancelled
    EXPECT_TRUE(action("Datensenden1")->isEnabled()); // refuses by itself while busy

    f.EnableControls(true); // transfer ended
    EXPECT_TRUE(button("SpeedButton2")->isEnabled() && button("SpeedButton3")->isEnabled() &&
                button("SpeedButton4")->isEnabled() && button("RedoButton")->isEnabled() &&
                action("LetztenTransferwiederholen1")->isEnabled());
    EXPECT_FALSE(button("CancelButton")->isEnabled());
    EXPECT_TRUE(button("CancelButton")->isHidden());
    EXPECT_FALSE(button("SpeedButton1")->isEnabled());
}

TEST_F(WindowTest, TransferCommandsWaitWhileBusy) {
    start();
    dialogs.clear();
    form().transfer().ListBusy = true;
    form().Datenempfangen1Click();
    form().OnLine1Click();
    form().transfer().ListBusy = false;
    form().transfer().UpdateBusy = true;
    form().RedoButtonClick();
    const QString wait =
        QStringLiteral("Bitte warten Sie bis der Datentransfer abgeschlossen ist.");
    EXPECT_EQ(dialogs.messageTexts(), (QStringList{wait, wait, wait}));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Warning);
    EXPECT_FALSE(form().transfers().terminalOnline());
}

TEST_F(WindowTest, PrintsTheTerminalViewToPdf) {
    start();
    const QString pdf = QDir::current().filePath(QStringLiteral("view.pdf"));
    QFile::remove(pdf);

    dialogs.printAnswers.push_back(nullptr); // cancelled
    form().Drucken1Click();
    EXPECT_FALSE(QFile::exists(pdf));

    dialogs.printAnswers.push_back([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    button("PrintButton")->click(); // hidden, but the same command
    ASSERT_EQ(dialogs.shown.size(), 3);
    const QByteArray bytes = fileBytes(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    // The document title, as the PDF writer stores it (UTF-16, big-endian).
    const QString title = QStringLiteral("Quelvox");
    QByteArray utf16;
    for (QChar c : title)
        utf16.append('\0').append(static_cast<char>(c.unicode()));
    EXPECT_TRUE(bytes.contains(utf16));
}

TEST_F(WindowTest, ShowComErrorAndSaveFailures) {
    start();
    dialogs.clear();
    form().ShowComError(8);
    form().ShowComError(15);
    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList{QString::fromUtf8("Die Schnittstelle konte nicht geöffnet werden: "),
                     QStringLiteral("Comm Error: "), QStringLiteral("Kommunikationsfehler mit ")}));
    for (const auto& box : dialogs.shown)
        EXPECT_EQ(box.caption, QStringLiteral("Quelvox"));

    // The settings file's name is taken by a folder: nothing can be written.
    dialogs.clear();
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Quelvox.dat")));
    form().EinstellungenSpeichern1Click();
    QDir().rmdir(QStringLiteral("Quelvox.dat"));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Einstellungen konnten nicht gespeichert werden"));
    EXPECT_EQ(dialogs.shown[0].icon, Icon::None);
}

TEST_F(WindowTest, SaveSettingsChangesOnlyPortAndLanguage) {
    writeSettings(4, 9600, 2, "Lab", std::string(30, 'c').c_str(), "Footer");
    const QByteArray before = fileBytes(QStringLiteral("Quelvox.dat"));
    start();
    show(fakePorts({3, 4}));
    form().EinstellungenSpeichern1Click();
    EXPECT_EQ(fileBytes(QStringLiteral("Quelvox.dat")), before);

    portItem(0)->trigger();
    action("Franzsisch1")->trigger();
    action("EinstellungenSpeichern1")->trigger();
    const QByteArray after = fileBytes(QStringLiteral("Quelvox.dat"));
    ASSERT_EQ(after.size(), 106);
    EXPECT_EQ(after[0], 3);
    EXPECT_EQ(after[5], 3);
    EXPECT_EQ(after.mid(1, 4), before.mid(1, 4));
    EXPECT_EQ(after.mid(6), before.mid(6));
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(WindowTest, WorkerCallsReachTheGuiThread) {
    start();
    show(fakePorts({3}));
    std::string name;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        form().workerHost().GetComPort(name);
        form().workerHost().insertTerminalText("rx\r\n");
        form().workerHost().ShowStatus("status line");
        form().workerHost().setProgress(42);
        done = true;
    });
    EXPECT_TRUE(waitFor([&] { return done.load(); }));
    worker.join();
    waitFor([&] { return control<QProgressBar>("ProgressBar1")->value() == 42; }, 1000);
    EXPECT_EQ(name, "COM3");
    EXPECT_EQ(form().statusText(), QStringLiteral("3, "));
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .endsWith(QStringLiteral("rx\nstatus line\n")));
    EXPECT_EQ(control<QProgressBar>("ProgressBar1")->value(), 42);
}

TEST_F(WindowTest, InsertedTextReplacesTheSelection) {
    start();
    control<QPlainTextEdit>("RichEdit1")->setPlainText(QStringLiteral("abcdef"));
    QTextCursor caret = control<QPlainTextEdit>("RichEdit1")->textCursor();
    caret.setPosition(2);
    caret.setPosition(4, QTextCursor::KeepAnchor);
    control<QPlainTextEdit>("RichEdit1")->setTextCursor(caret);
    form().workerHost().insertTerminalText("X\xE9"); // Latin-1 e acute
    EXPECT_EQ(control<QPlainTextEdit>("RichEdit1")->toPlainText(), QString::fromUtf8("abXéef"));
    EXPECT_EQ(control<QPlainTextEdit>("RichEdit1")->textCursor().position(), 6);
}

TEST_F(WindowTest, HelpFollowsTheLanguage) {
    start(); // the help window installs itself as the opener
    QList<QUrl> opened;
    auto previous = help::setUrlOpener([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    const QString dir = QCoreApplication::applicationDirPath();
    QFile de(QDir(dir).filePath(QStringLiteral("helpde.chm")));
    ASSERT_TRUE(de.open(QIODevice::WriteOnly));
    de.close();

    form().Deutsch1Click();
    action("HelpIndex1")->trigger();
    form().Englisch1Click(); // helpen.chm does not exist: nothing opens
    form().HelpIndex1Click();
    de.remove();
    help::setUrlOpener(previous);

    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("/helpde.chm")));
    EXPECT_EQ(help::currentHelpFile(), QStringLiteral("helpen.chm"));
}

TEST_F(WindowTest, AboutBoxShowsLogoAndTexts) {
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(QStringLiteral("logo.bmp"), "BMP"));
    writeSettings(1, 115200, 2, "", "My comment", "My footer");
    start();
    QFile::remove(QStringLiteral("logo.bmp"));

    auto& about = window<TForm2>(i18n::Window::Form2);
    EXPECT_EQ(about.size(), QSize(349, 447));
    EXPECT_EQ(about.Image1->size(), QSize(313, 217));
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info"));
    EXPECT_EQ(about.Title->text(), QStringLiteral("Quelvox v1.03 - Editor"));
    EXPECT_TRUE(about.Title->font().bold());
    EXPECT_EQ(about.Comment->text(), QStringLiteral("My comment"));

    // "Info" shows the box modally; a timer owned here closes it.
    QWidget* shown = nullptr;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        shown = QApplication::activeModalWidget();
        if (shown)
            static_cast<QDialog*>(shown)->accept();
    });
    closer.start(0);
    form().Info1Click();
    EXPECT_EQ(shown, &about);
    EXPECT_FALSE(about.isVisible());

    // Without a picture the area stays empty.
    TForm2 plain("", "");
    EXPECT_TRUE(plain.Image1->pixmap().isNull());
}

TEST_F(WindowTest, QuitEndsTheEventLoop) {
    start();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    action("Beenden1")->trigger();
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(WindowTest, GarbageSettingsFileStartsAnyway) {
    {
        QFile file(QStringLiteral("Quelvox.dat"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(300, char(0xC8))); // port 200, language 200, no terminators
    }
    start();
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(form().settings().PortNumber, 200);
    EXPECT_EQ(form().settings().TitleText, std::string(20, '\xC8'));
    EXPECT_EQ(form().windowTitle(), QString(20, QChar(0xC8)) + QStringLiteral(" Quelvox v1.03"));
    show(fakePorts({1, 2}));
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QStringLiteral("Saved COM-Port does not exist!")});
    EXPECT_EQ(form().settings().PortNumber, 1);
    EXPECT_EQ(menu("Help1")->title(), QStringLiteral("&Hilfe")); // no language applied
}

TEST_F(WindowTest, MenuKeysWinOverTheEditControls) {
    start();
    show(fakePorts({1}));
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_X, Qt::ControlModifier);
    QCoreApplication::sendEvent(control<QPlainTextEdit>("RichEdit1"), &override);
    EXPECT_FALSE(override.isAccepted());
}

// Closing the window (or "Beenden") while a transfer runs asks first; the
// escape button keeps the transfer and the window. Without a transfer it
// closes at once.
TEST_F(WindowTest, ClosingDuringATransferAsksFirst) {
    writeSettings(1, 115200, 1);
    start();
    show(fakePorts({1}));
    dialogs.clear();
    form().transfer().UpdateBusy = true;
    form().close(); // no answer: the escape button
    ASSERT_EQ(dialogs.count(Kind::Choice), 1);
    EXPECT_EQ(dialogs.shown.back().caption, QStringLiteral("Quelvox"));
    EXPECT_EQ(dialogs.shown.back().text, i18n::text(i18n::Msg::CloseDuringTransfer));
    EXPECT_TRUE(dialogs.shown.back().text.startsWith(QStringLiteral("A transfer is still")));
    EXPECT_TRUE(form().isVisible());

    form().Beenden1Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.count(Kind::Choice), 2);
    EXPECT_TRUE(form().isVisible());

    dialogs.choiceAnswers.push_back(0); // close all the same
    form().close();
    EXPECT_EQ(dialogs.count(Kind::Choice), 3);
    EXPECT_FALSE(form().isVisible());

    form().transfer().UpdateBusy = false;
    form().show();
    form().close();
    EXPECT_EQ(dialogs.count(Kind::Choice), 3);
    EXPECT_FALSE(form().isVisible());
}

// Every tool-bar button shows its picture.
TEST_F(WindowTest, ToolButtonsShowTheirPictures) {
    start();
    for (const char* name :
         {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "RedoButton",
          "CancelButton", "AnsichtNeuButton", "PortEinstButton", "SpeedButton5", "PrintButton"})
        EXPECT_FALSE(button(name)->icon().pixmap(24, 24).isNull()) << name;
}

// A tool-bar button follows its menu command: a language switch during a
// transfer (which changes the actions' texts) leaves the held-off buttons off
// and the menu items on; the button runs the command the menu item runs.
TEST_F(WindowTest, ToolButtonsFollowTheirCommands) {
    start();
    form().EnableControls(false);
    form().Englisch1Click();
    EXPECT_FALSE(button("SpeedButton3")->isEnabled() || button("SpeedButton4")->isEnabled() ||
                 button("SpeedButton2")->isEnabled());
    EXPECT_TRUE(action("Datensenden1")->isEnabled() && action("OnLine1")->isEnabled());
    form().EnableControls(true);
    EXPECT_TRUE(button("SpeedButton3")->isEnabled());

    action("NeueAnzeige1")->setEnabled(false);
    EXPECT_FALSE(button("AnsichtNeuButton")->isEnabled());
    action("NeueAnzeige1")->setEnabled(true);
    control<QPlainTextEdit>("RichEdit1")->setPlainText(QStringLiteral("x"));
    button("AnsichtNeuButton")->click();
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")->toPlainText().isEmpty());
}
