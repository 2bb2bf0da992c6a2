// What the workers ask of the main window, from their own threads.
#include "app/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>
#include <QThread>

#include <algorithm>

void TForm1::runOnGuiThread(const std::function<void()>& fn) {
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    // While the window is being destroyed, workers get no more answers; the
    // destructor waits for them without dead-locking.
    if (closing_)
        return;
    QMetaObject::invokeMethod(this, fn, Qt::BlockingQueuedConnection);
}

void TForm1::installCommErrorNotifier() {
    ECommError::setNotifier([this](const ECommError&) {
        runOnGuiThread([this] {
            dialogs_.message(this, QStringLiteral("error"), i18n::text(i18n::Msg::PortOpenFailed),
                             UserDialogs::Icon::Warning);
        });
    });
}

// The buffers, sizes and names below are set before the worker starts and
// stay as they are until its completion handler runs: plain reads suffice.
uint8_t* TForm1::GetFileBuffer(int type) {
    return transfer_.GetFileBuffer(type);
}

int32_t TForm1::GetFileSize(int type) {
    return transfer_.GetFileSize(type);
}

void TForm1::GetFirmFileName(int type, std::string& name) {
    name = transfer_.GetFirmFileName(type);
}

uint8_t* TForm1::GetChReceivedBuffer() {
    return transfer_.GetFileBuffer(TransferState::ReceivedList);
}

void TForm1::InsertTerminalText(const std::string& text) {
    runOnGuiThread([this, text] {
        QTextCursor caret = RichEdit1->textCursor();
        caret.insertText(terminalFilter_.toDisplay(text));
        caret.movePosition(QTextCursor::End);
        RichEdit1->setTextCursor(caret);
        RichEdit1->ensureCursorVisible();
    });
}

void TForm1::ShowStatus(const std::string& line) {
    runOnGuiThread([this, line] {
        QTextCursor caret = RichEdit1->textCursor();
        caret.movePosition(QTextCursor::End);
        if (!caret.block().text().isEmpty())
            caret.insertText(QStringLiteral("\n"));
        caret.insertText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())) +
                         QStringLiteral("\n"));
        RichEdit1->setTextCursor(caret);
        RichEdit1->ensureCursorVisible();
    });
}

void TForm1::ClearInputField() {
    runOnGuiThread([this] { MaskEdit1->clear(); });
}

void TForm1::Rendezvous() {
    runOnGuiThread([] {});
}

void TForm1::SetProgress(int percent) {
    if (closing_)
        return;
    QMetaObject::invokeMethod(
        this, [this, percent] { ProgressBar1->setValue(std::clamp(percent, 0, 100)); },
        Qt::QueuedConnection);
}

QString TForm1::statusText() const {
    return StatusBar1->text();
}

void TForm1::setStatusText(const QString& text) {
    StatusBar1->setText(text);
}
