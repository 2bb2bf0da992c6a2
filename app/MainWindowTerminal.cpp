// Going online and offline: the main window's half of the terminal.
#include "app/MainWindow.h"

#include "serial/TermThread.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

void TForm1::OnLine1Click() {
    if (transfer_.ListBusy || transfer_.UpdateBusy) {
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::WaitForTransfer),
                         UserDialogs::Icon::Warning);
        return;
    }
    // One terminal at a time: a second one would share the open port.
    if (TermThread)
        return;
    if (!ListPort)
        ListPort = std::make_unique<TCommPort>(clock_);
    WorkerStart start;
    start.port = ListPort.get();
    start.busy = &TerminalOnline;
    start.create = [this] {
        auto* worker = new TTermThread(*ListPort, workerHost_, clock_);
        TermThread = worker;
        return worker;
    };
    start.done = &TForm1::TermThreadDone;
    if (!startWorker(start))
        return;
    showOnlineControls(true);
    RichEdit1->setFocus();
    FormShow();
    setOnlineStatus();
}

void TForm1::OffLine1Click() {
    setStatusText(i18n::text(i18n::Msg::StatusPleaseWait));
    if (TerminalOnline && TermThread)
        TermThread->CancelByUser();
    setStatusText(i18n::text(i18n::Msg::StatusOffline));
}

void TForm1::TermThreadDone() {
    closeListPortAfterPause();
    TerminalOnline = false;
    showOnlineControls(false);
    // The worker also ends when the line drops: the status line must not go
    // on reporting the connection (unless a transfer has taken it over).
    if (!transfer_.ListBusy && !transfer_.UpdateBusy)
        setStatusText(i18n::text(i18n::Msg::StatusOffline));
    // The worker has ended; release it once its thread is fully gone.
    if (TermThread) {
        TermThread->deleteLater();
        TermThread = nullptr;
    }
}

void TForm1::closeListPortAfterPause() {
    closePortAfterPause(ListPort.get());
}

void TForm1::closePortAfterPause(TCommPort* port) {
    if (!port || !port->IsOpen())
        return;
    clock_.sleepMs(500);
    try {
        port->Close();
    } catch (const ECommError&) {
        // The device went away while online (pulled adapter): its handle
        // cannot be closed cleanly, and there is nothing more to do about it.
    }
}

void TForm1::showOnlineControls(bool online) {
    OffLine1->setChecked(!online);
    OffLine1->setEnabled(online);
    OnLine1->setChecked(online);
    OnLine1->setEnabled(!online);
    MaskEdit1->setVisible(online);
    LabelSend->setVisible(online);
    SpeedButton2->setEnabled(!online);
    SpeedButton1->setEnabled(online);
}

void TForm1::setOnlineStatus() {
    setStatusText(i18n::text(i18n::Msg::StatusOnlinePrefix) +
                  QStringLiteral("%1, %2").arg(settings_.PortNumber).arg(settings_.BaudRate));
}

void TForm1::ReceiverTest1Click() {
    if (ReceiverTest1->isChecked()) {
        ReceiverTest1->setChecked(false);
        if (!OffLine1->isChecked())
            OffLine1Click();
    } else {
        ReceiverTest1->setChecked(true);
        if (!OnLine1->isChecked())
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
    if (TerminalOnline && TermThread)
        TermThread->AppendChar(key);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // The menu keys win over the edit controls' own (Ctrl+X is "repeat the
    // last transfer" here, not "cut").
    if (event->type() == QEvent::ShortcutOverride &&
        (watched == RichEdit1 || watched == MaskEdit1)) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* item :
             {Datensenden1, Datenempfangen1, LetztenTransferwiederholen1, Drucken1})
            if (item->shortcut() == pressed) {
                event->ignore();
                return true;
            }
    }
    if (event->type() == QEvent::KeyPress && (watched == RichEdit1 || watched == MaskEdit1)) {
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
            if (watched == RichEdit1)
                RichEdit1KeyPress(typed);
            else
                MaskEdit1KeyPress(typed);
        }
    }
    // Not consumed: the control shows the key as well.
    return QMainWindow::eventFilter(watched, event);
}
