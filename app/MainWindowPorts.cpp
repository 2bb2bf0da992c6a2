// Settings file, port scan and port menu, the port report.
#include "app/MainWindow.h"

#include "app/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QShowEvent>

void TForm1::readSettings() {
    const auto read = Settings::read(QString::fromLatin1(Settings::FileName));
    if (!read) {
        dialogs_.message(this, QStringLiteral("Quelvox"),
                         QStringLiteral("Error open Quelvox.dat !!!"), UserDialogs::Icon::Warning);
        return;
    }
    settings_ = *read;
    settings_.fileRead = true;
    setWindowTitle(settings_.windowCaption());
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring a minimised window is no new show of the form.
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormShow() {
    PortScan();
    switch (settings_.LanguageId) {
    case 1:
        Englisch1Click();
        break;
    case 2:
        Deutsch1Click();
        break;
    case 3:
        Franzsisch1Click();
        break;
    default:
        // An unknown stored language applies no table: the design texts stay.
        break;
    }
}

void TForm1::PortScan() {
    const PortScanResult scan = PortScanResult::from(portScanner_(), settings_.PortNumber);
    if (scan.outcome == PortScanResult::Outcome::NoPorts) {
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::NoComPort),
                         UserDialogs::Icon::Warning);
        return;
    }
    ui_.CBoxPortName->clear();
    for (qsizetype i = 0; i < scan.items.size(); ++i) {
        const auto& entry = scan.items[i];
        ui_.CBoxPortName->addItem(entry.deviceName);
        QAction* item = ui_.portItems[static_cast<std::size_t>(i)];
        item->setVisible(true);
        item->setText(entry.caption);
        item->setToolTip(portItemTip(entry));
        item->setStatusTip(portItemTip(entry));
        if (entry.checked)
            item->setChecked(true);
    }
    if (scan.outcome == PortScanResult::Outcome::StoredPortLost) {
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::LostComPort),
                         UserDialogs::Icon::Warning);
        portItemClick(0);
    }
    ui_.CBoxPortName->setCurrentIndex(0);
    host_.setComPortName(ui_.CBoxPortName->currentText());
}

void TForm1::portItemClick(int index) {
    if (index < 0 || index >= PortScanResult::MaxItems)
        return;
    OffLine1Click();
    for (QAction* item : ui_.portItems)
        item->setChecked(false);
    QAction* chosen = ui_.portItems[static_cast<std::size_t>(index)];
    chosen->setChecked(true);
    // Captions always come from the port scan ("&COMn"); one that names no
    // number leaves the port as it was.
    if (const auto number = portNumberFromCaption(chosen->text()))
        settings_.PortNumber = static_cast<uint8_t>(*number);
    PrintPortSettings();
}

void TForm1::PrintPortSettings() {
    ui_.RichEdit1->setPlainText(
        i18n::text(i18n::Msg::PortSettingsHeading) +
        QStringLiteral("\n > Port:     COM %1\n > Baudrate: 115200\n").arg(settings_.PortNumber));
    ui_.RichEdit1->moveCursor(QTextCursor::End);
}

void TForm1::EinstellungenSpeichern1Click() {
    switch (settings_.write(QString::fromLatin1(Settings::FileName))) {
    case Settings::SaveResult::Saved:
        break;
    case Settings::SaveResult::TextWriteFailed:
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::StringWriteFailed));
        break;
    case Settings::SaveResult::CannotCreate:
    case Settings::SaveResult::CannotFinish:
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::SettingsSaveFailed));
        break;
    }
}

void TForm1::N115200Click() {
    OffLine1Click();
    ui_.N115200->setChecked(true);
    settings_.BaudRate = 115200;
    FormShow();
}
