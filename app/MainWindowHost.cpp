// The display calls of the workers, from their own threads.
#include "app/MainWindowHost.h"

#include "app/MainWindowControls.h"
#include "app/Settings.h"
#include "i18n/Messages.h"
#include "serial/CommError.h"
#include "ui/UserDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>

#include <algorithm>

MainWindowHost::MainWindowHost(TransferState& state, QWidget& window,
                               const MainWindowControls& controls, const Settings& settings,
                               UserDialogs& dialogs)
    : TransferHost(state), window_(window), controls_(controls), settings_(settings),
      dialogs_(dialogs), guiCalls_(window) {
    ECommError::setNotifier([this](const ECommError&) {
        runOnGuiThread([this] {
            dialogs_.message(&window_, QStringLiteral("error"),
                             i18n::text(i18n::Msg::PortOpenFailed), UserDialogs::Icon::Warning);
        });
    });
}

MainWindowHost::~MainWindowHost() {
    ECommError::setNotifier(nullptr);
}

void MainWindowHost::setComPortName(const QString& name) {
    std::lock_guard lock(comPortNameMutex_);
    comPortName_ = name;
}

void MainWindowHost::GetComPort(std::string& name) {
    const QString status = QStringLiteral("%1, ").arg(settings_.PortNumber);
    runOnGuiThread([this, status] { controls_.StatusBar1->setText(status); });
    std::lock_guard lock(comPortNameMutex_);
    name = comPortName_.toLatin1().toStdString();
}

void MainWindowHost::insertTerminalText(const std::string& text) {
    runOnGuiThread([this, text] {
        QPlainTextEdit* view = controls_.RichEdit1;
        QTextCursor caret = view->textCursor();
        caret.insertText(terminalFilter_.toDisplay(text));
        caret.movePosition(QTextCursor::End);
        view->setTextCursor(caret);
        view->ensureCursorVisible();
    });
}

void MainWindowHost::ShowStatus(const std::string& line) {
    runOnGuiThread([this, line] {
        QPlainTextEdit* view = controls_.RichEdit1;
        QTextCursor caret = view->textCursor();
        caret.movePosition(QTextCursor::End);
        if (!caret.block().text().isEmpty())
            caret.insertText(QStringLiteral("\n"));
        caret.insertText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())) +
                         QStringLiteral("\n"));
        view->setTextCursor(caret);
        view->ensureCursorVisible();
    });
}

void MainWindowHost::clearInputField() {
    runOnGuiThread([this] { controls_.MaskEdit1->clear(); });
}

void MainWindowHost::Rendezvous() {
    runOnGuiThread([] {});
}

void MainWindowHost::setProgress(int percent) {
    guiCalls_.post(
        [this, percent] { controls_.ProgressBar1->setValue(std::clamp(percent, 0, 100)); });
}
