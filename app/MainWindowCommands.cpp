// The main window's commands other than ports and the terminal.
#include "app/MainWindow.h"

#include "app/ComErrorReport.h"
#include "app/CommandButtons.h"
#include "help/HelpViewer.h"
#include "ui/LanguageTexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTimer>
#include <QToolButton>

void TForm1::EnableControls(bool on) {
    // The menu items "Daten senden..." and "Daten empfangen..." (and "On
    // Line") stay usable; their commands refuse while a transfer runs.
    for (QToolButton* button : {ui_.SpeedButton2, ui_.SpeedButton3, ui_.SpeedButton4})
        holdOff(button, !on);
    ui_.LetztenTransferwiederholen1->setEnabled(on); // and RedoButton with it
    ui_.Cancel->setEnabled(!on);
    // The cancel button stays out of the way while nothing runs, but a
    // running transfer must be stoppable from the window (also with Esc).
    ui_.CancelButton->setVisible(!on);
}

void TForm1::ShowComError(int code) {
    ::ShowComError(dialogs_, this, code);
}

void TForm1::PortEinstellung1Click() {
    FormShow();
    if (ui_.OnLine1->isChecked())
        setOnlineStatus();
}

void TForm1::NeueAnzeige1Click() {
    ui_.RichEdit1->clear();
}

void TForm1::Drucken1Click() {
    QPrinter printer;
    if (!dialogs_.printDialog(this, printer))
        return;
    printer.setDocName(QStringLiteral("Quelvox"));
    printer.setCreator(QStringLiteral("Quelvox"));
    ui_.RichEdit1->print(&printer);
}

void TForm1::HelpIndex1Click() {
    help::showContents(help::currentHelpFile());
}

void TForm1::Info1Click() {
    if (auto* about = windows_.find<QDialog>(i18n::Window::Form2))
        about->exec();
}

void TForm1::SpeedButton5Click() {
    QWidget* editor = windows_.window(i18n::Window::EditForm);
    if (!editor)
        return;
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void TForm1::Englisch1Click() {
    switchLanguage(&ui::applyEnglishTexts, ui_.Englisch1, "helpen.chm");
}

void TForm1::Deutsch1Click() {
    switchLanguage(&ui::applyGermanTexts, ui_.Deutsch1, "helpde.chm");
}

void TForm1::Franzsisch1Click() {
    switchLanguage(&ui::applyFrenchTexts, ui_.Franzsisch1, "helpfr.chm");
}

void TForm1::switchLanguage(LanguageRoutine applyTexts, QAction* item, const char* helpFile) {
    const struct {
        QAction* item;
        i18n::Language language;
    } choices[] = {{ui_.Englisch1, i18n::Language::English},
                   {ui_.Deutsch1, i18n::Language::German},
                   {ui_.Franzsisch1, i18n::Language::French}};
    for (const auto& choice : choices) {
        choice.item->setChecked(choice.item == item);
        if (choice.item == item)
            settings_.LanguageId = static_cast<int32_t>(choice.language);
    }
    applyTexts(windows_);
    help::setCurrentHelpFile(QString::fromLatin1(helpFile));
    PrintPortSettings();
}

void TForm1::Beenden1Click() {
    if (!closingMayAbortTransfer())
        return;
    // A request: the loop ends once the current event is done.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
