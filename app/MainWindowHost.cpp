// The display calls of the workers, from their own threads.
#include "app/MainWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>
#include <QThread>

#include <algorithm>

void TForm1::runOnGuiThread(const std::function<void()>& fn) {
    guiCalls_.call(fn);
}

void TForm1::installCommErrorNotifier() {
    ECommError::setNotifier([this](const ECommError&) {
        runOnGuiThread([this] {
            dialogs_.message(this, QStringLiteral("error"), i18n::text(i18n::Msg::PortOpenFailed),
                             UserDialogs::Icon::Warning);
        });
    });
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
    guiCalls_.post([this, percent] { ProgressBar1->setValue(std::clamp(percent, 0, 100)); });
}

QString TForm1::statusText() const {
    return StatusBar1->text();
}

void TForm1::setStatusText(const QString& text) {
    StatusBar1->setText(text);
}
