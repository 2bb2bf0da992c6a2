// Going online and offline: the main window's half of the terminal.
#include "app/MainWindow.h"

#include "serial/TermThread.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void TForm1::OnLine1Click() {
    if (transfers_.busy()) {
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::WaitForTransfer),
                         UserDialogs::Icon::Warning);
        return;
    }
    // One terminal at a time: a second one would share the open port.
    if (transfers_.termThread())
        return;
    if (!transfers_.startTerminal([this] { TermThreadDone(); }))
        return;
    showOnlineControls(true);
    ui_.RichEdit1->setFocus();
    FormShow();
    setOnlineStatus();
    lineReturn_.online();
}

void TForm1::OffLine1Click() {
    setStatusText(i18n::text(i18n::Msg::StatusPleaseWait));
    if (TTermThread* terminal = transfers_.termThread(); terminal && transfers_.terminalOnline())
        terminal->CancelByUser();
    // Waiting for a lost line, the window is still "On Line": no worker
    // will switch it back.
    if (lineReturn_.stop())
        showOnlineControls(false);
    setStatusText(i18n::text(i18n::Msg::StatusOffline));
}

void TForm1::TermThreadDone() {
    // A line lost while online is waited for, still "On Line".
    if (lineReturn_.lost(transfers_.termThread()))
        return;
    transfers_.endTerminal();
    showOnlineControls(false);
    // The worker also ends when the line drops: the status line must not go
    // on reporting the connection (unless a transfer has taken it over).
    if (!transfers_.busy())
        setStatusText(i18n::text(i18n::Msg::StatusOffline));
}

void TForm1::showOnlineControls(bool online) {
    // The online and offline buttons follow their menu items.
    ui_.OffLine1->setChecked(!online);
    ui_.OffLine1->setEnabled(online);
    ui_.OnLine1->setChecked(online);
    ui_.OnLine1->setEnabled(!online);
    ui_.MaskEdit1->setVisible(online);
    ui_.LabelSend->setVisible(online);
}

void TForm1::setOnlineStatus() {
    setStatusText(i18n::text(i18n::Msg::StatusOnlinePrefix) +
                  QStringLiteral("%1, %2").arg(settings_.PortNumber).arg(settings_.BaudRate));
}

void TForm1::ReceiverTest1Click() {
    if (ui_.ReceiverTest1->isChecked()) {
        ui_.ReceiverTest1->setChecked(false);
        if (!ui_.OffLine1->isChecked())
            OffLine1Click();
    } else {
        ui_.ReceiverTest1->setChecked(true);
        if (!ui_.OnLine1->isChecked())
            OnLine1Click();
    }
}

void TForm1::RichEdit1KeyPress(char key) {
    forwardTypedChar(key);
}

void TForm1::MaskEdit1KeyPress(char key) {
    forwardTypedChar(key);
}

void TForm1::forwardTypedChar(char key) {
    if (TTermThread* terminal = transfers_.termThread(); terminal && transfers_.terminalOnline())
        terminal->appendChar(key);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const bool typing = watched == ui_.RichEdit1 || watched == ui_.MaskEdit1;
    // The menu keys win over the edit controls' own (Ctrl+X is "repeat the
    // last transfer" here, not "cut").
    if (typing && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* item :
             {ui_.Datensenden1, ui_.Datenempfangen1, ui_.LetztenTransferwiederholen1, ui_.Drucken1})
            if (item->shortcut() == pressed) {
                event->ignore();
                return true;
            }
    }
    if (typing && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        char typed = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            typed = 13;
        } else if (!key->text().isEmpty()) {
            const char16_t unicode = key->text().at(0).unicode();
            // The line is Latin-1; a character it cannot carry goes as '?'.
            typed = unicode <= 0xFF ? static_cast<char>(unicode) : '?';
        }
        if (typed != 0) {
            if (watched == ui_.RichEdit1)
                RichEdit1KeyPress(typed);
            else
                MaskEdit1KeyPress(typed);
        }
    }
    // Not consumed: the control shows the key as well.
    return QMainWindow::eventFilter(watched, event);
}
