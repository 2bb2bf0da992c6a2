// Settings file, port scan and port menu, the port report.
#include "app/MainWindow.h"

#include "app/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace {

void showPortItem(QAction* item, const PortScanResult::Item& entry) {
    item->setVisible(true);
    item->setText(entry.caption);
    item->setToolTip(portItemTip(entry));
    item->setStatusTip(portItemTip(entry));
}

void fillPortNames(QComboBox* box, const QList<PortScanResult::Item>& items) {
    box->clear();
    for (const auto& entry : items)
        box->addItem(entry.deviceName);
    box->setCurrentIndex(0);
}

} // namespace

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
    // Watching starts before the first scan: nothing plugged in between is missed.
    deviceWatch_.start();
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
    const QList<SerialPortEntry> ports = portScanner_();
    const PortScanResult scan = PortScanResult::from(ports, settings_.PortNumber);
    if (scan.outcome == PortScanResult::Outcome::NoPorts) {
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::NoComPort),
                         UserDialogs::Icon::Warning);
        return;
    }
    for (qsizetype i = 0; i < scan.items.size(); ++i) {
        QAction* item = ui_.portItems[static_cast<std::size_t>(i)];
        showPortItem(item, scan.items[i]);
        if (scan.items[i].checked)
            item->setChecked(true);
    }
    fillPortNames(ui_.CBoxPortName, scan.items);
    portFollow_.scanned(scan);
    if (scan.outcome == PortScanResult::Outcome::StoredPortLost) {
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::LostComPort),
                         UserDialogs::Icon::Warning);
        portItemClick(0);
    }
    host_.setComPortName(ui_.CBoxPortName->currentText());
}

void TForm1::portsChanged() {
    const QString reportBefore = portReport(settings_.PortNumber, portFollow_.storedPortAway());
    const auto rows = portFollow_.follow(portScanner_(), settings_.PortNumber);
    if (!rows)
        return;
    for (std::size_t i = 0; i < ui_.portItems.size(); ++i) {
        QAction* item = ui_.portItems[i];
        const auto index = static_cast<qsizetype>(i);
        if (index < rows->items.size())
            showPortItem(item, rows->items[index]);
        else
            item->setVisible(false);
        item->setChecked(index < rows->items.size() && rows->items[index].checked);
    }
    // A running transfer keeps the device name it was given.
    if (!transfers_.busy() && !rows->items.isEmpty()) {
        fillPortNames(ui_.CBoxPortName, rows->items);
        host_.setComPortName(ui_.CBoxPortName->currentText());
    }
    // Only a report still on view is brought up to date: terminal text stays.
    if (ui_.RichEdit1->toPlainText() == reportBefore)
        PrintPortSettings();
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
    portFollow_.chosen(index);
    PrintPortSettings();
}

void TForm1::PrintPortSettings() {
    ui_.RichEdit1->setPlainText(portReport(settings_.PortNumber, portFollow_.storedPortAway()));
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
