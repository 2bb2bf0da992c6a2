// The main window's commands other than ports and the terminal.
#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/ComErrorReport.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "editor/FavForm.h"
#include "editor/Suche.h"
#include "editor/Warnung.h"
#include "help/HelpViewer.h"
#include "i18n/WindowTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

void TForm1::EnableControls(bool on) {
    for (QToolButton* button : {SpeedButton2, SpeedButton3, SpeedButton4, RedoButton})
        button->setEnabled(on);
    LetztenTransferwiederholen1->setEnabled(on);
    CancelButton->setEnabled(!on);
    // The cancel button stays out of the way while nothing runs, but a
    // running transfer must be stoppable from the window (also with Esc).
    CancelButton->setVisible(!on);
}

void TForm1::ShowComError(int code) {
    ::ShowComError(dialogs_, this, code);
}

void TForm1::PortEinstellung1Click() {
    FormShow();
    if (OnLine1->isChecked())
        setOnlineStatus();
}

void TForm1::NeueAnzeige1Click() {
    RichEdit1->clear();
}

void TForm1::Drucken1Click() {
    QPrinter printer;
    if (!dialogs_.printDialog(this, printer))
        return;
    printTerminalView(printer);
}

void TForm1::printTerminalView(QPrinter& printer) {
    printer.setDocName(QStringLiteral("Quelvox"));
    printer.setCreator(QStringLiteral("Quelvox"));
    RichEdit1->print(&printer);
}

void TForm1::HelpIndex1Click() {
    help::showContents(help::currentHelpFile());
}

void TForm1::Info1Click() {
    if (peers_.Form2)
        peers_.Form2->exec();
}

void TForm1::SpeedButton5Click() {
    if (!peers_.EditForm)
        return;
    peers_.EditForm->show();
    peers_.EditForm->raise();
    peers_.EditForm->activateWindow();
}

void TForm1::Englisch1Click() {
    applyLanguage(i18n::Language::English, Englisch1, "helpen.chm");
}

void TForm1::Deutsch1Click() {
    applyLanguage(i18n::Language::German, Deutsch1, "helpde.chm");
}

void TForm1::Franzsisch1Click() {
    applyLanguage(i18n::Language::French, Franzsisch1, "helpfr.chm");
}

void TForm1::applyLanguage(i18n::Language language, QAction* item, const char* helpFile) {
    LanguageId = static_cast<int32_t>(language);
    for (QAction* choice : {Englisch1, Deutsch1, Franzsisch1})
        choice->setChecked(choice == item);

    i18n::applyWindowTexts(this, i18n::Window::Form1, language);
    if (peers_.Form2)
        peers_.Form2->applyLanguage(language);
    if (peers_.Suche)
        peers_.Suche->applyLanguage(language);
    if (peers_.EditForm)
        peers_.EditForm->applyLanguage(language);
    if (peers_.FavForm)
        peers_.FavForm->applyLanguage(language);
    for (TWarnung* warning :
         {static_cast<TWarnung*>(peers_.Warnung1), static_cast<TWarnung*>(peers_.Warnung2),
          static_cast<TWarnung*>(peers_.Warnung3), static_cast<TWarnung*>(peers_.Warnung4)})
        if (warning)
            warning->applyLanguage(language);
    if (peers_.EditTransponder)
        peers_.EditTransponder->applyLanguage(language);
    i18n::applyMessages(language);

    help::setCurrentHelpFile(QString::fromLatin1(helpFile));
    PrintPortSettings();
}

void TForm1::Beenden1Click() {
    // A request: the loop ends once the current event is done.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
