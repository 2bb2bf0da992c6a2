// The main window's menus: one action per command.
#include "app/MainWindowControls.h"

#include "ui/ShellBuilder.h"

#include <QMainWindow>

namespace {

QAction* checkable(QAction* action, bool checked = false) {
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QAction* withKey(QAction* action, const QKeySequence& key) {
    action->setShortcut(key);
    return action;
}

} // namespace

void MainWindowControls::buildMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    Programm1 = shell::menu(bar, "Programm1", {});
    EinstellungenSpeichern1 = shell::item(Programm1, "EinstellungenSpeichern1", {});
    Beenden1 = shell::item(Programm1, "Beenden1", {});

    Einstellungen1 = shell::menu(bar, "Einstellungen1", {});
    buildPortMenu();
    Baudrate = shell::submenu(Einstellungen1, "Baudrate", {});
    N115200 = checkable(shell::item(Baudrate, "N115200", {}), true);
    N115200->setEnabled(false);
    System1 = shell::submenu(Einstellungen1, "System1", {});
    System1->menuAction()->setVisible(false);
    SystemType = shell::item(System1, "SystemType", {});
    Einstellungen1->addSeparator();
    OnLine1 = checkable(shell::item(Einstellungen1, "OnLine1", {}));
    OffLine1 = checkable(shell::item(Einstellungen1, "OffLine1", {}), true);
    OffLine1->setEnabled(false);
    Einstellungen1->addSeparator();
    ReceiverTest1 = checkable(shell::item(Einstellungen1, "ReceiverTest1", {}));
    ReceiverTest1->setVisible(false);
    Sprache1 = shell::submenu(Einstellungen1, "Sprache1", {});
    Englisch1 = checkable(shell::item(Sprache1, "Englisch1", {}));
    Deutsch1 = checkable(shell::item(Sprache1, "Deutsch1", {}));
    Franzsisch1 = checkable(shell::item(Sprache1, "Franzsisch1", {}));

    Datentransfer1 = shell::menu(bar, "Datentransfer1", {});
    Datensenden1 = withKey(shell::item(Datentransfer1, "Datensenden1", {}), Qt::CTRL | Qt::Key_S);
    Datenempfangen1 =
        withKey(shell::item(Datentransfer1, "Datenempfangen1", {}), Qt::CTRL | Qt::Key_E);
    LetztenTransferwiederholen1 = withKey(
        shell::item(Datentransfer1, "LetztenTransferwiederholen1", {}), Qt::CTRL | Qt::Key_X);
    LetztenTransferwiederholen1->setEnabled(false);
    Cancel = shell::item(&window, "Cancel", {});
    Cancel->setEnabled(false);

    Werkzeug1 = shell::menu(bar, "Werkzeug1", {});
    SenderlistenEditor1 = shell::item(Werkzeug1, "SenderlistenEditor1", {});
    Drucken1 = withKey(shell::item(Werkzeug1, "Drucken1", {}), Qt::CTRL | Qt::Key_D);

    Ansicht1 = shell::menu(bar, "Ansicht1", {});
    NeueAnzeige1 = shell::item(Ansicht1, "NeueAnzeige1", {});
    PortEinstellung1 = shell::item(Ansicht1, "PortEinstellung1", {});

    Help1 = shell::menu(bar, "Help1", {});
    HelpIndex1 = withKey(shell::item(Help1, "HelpIndex1", {}), Qt::Key_F1);
    Info1 = withKey(shell::item(Help1, "Info1", {}), Qt::Key_F2);
}

void MainWindowControls::buildPortMenu() {
    Port1 = shell::submenu(Einstellungen1, "Port1", {});
    // Device path and description of each port show as tooltip and status tip.
    Port1->setToolTipsVisible(true);
    for (int i = 0; i < PortScanResult::MaxItems; ++i) {
        const QByteArray name = "COM" + QByteArray::number(i + 1) + "1";
        QAction* item =
            checkable(shell::item(Port1, name.constData(), QStringLiteral("COM%1").arg(i + 1)));
        item->setVisible(false);
        portItems[static_cast<std::size_t>(i)] = item;
    }
}
