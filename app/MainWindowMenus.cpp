// The main window's menus and the wiring of its commands.
#include "app/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace {

QMenu* namedMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* namedSubmenu(QMenu* parent, const char* name) {
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// A menu command. Check marks are the handlers' business, as in the menus'
// design: the automatic toggle of a checkable item is undone first.
template <typename Fn> void onTriggered(QAction* item, QObject* context, Fn handler) {
    QObject::connect(item, &QAction::triggered, context, [item, handler] {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        handler();
    });
}

QAction* namedItem(QMenu* menu, const char* name, QKeySequence key = {}) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    return action;
}

} // namespace

void TForm1::buildMenus() {
    QMenuBar* bar = menuBar();
    Programm1 = namedMenu(bar, "Programm1");
    EinstellungenSpeichern1 = namedItem(Programm1, "EinstellungenSpeichern1");
    Beenden1 = namedItem(Programm1, "Beenden1");

    Einstellungen1 = namedMenu(bar, "Einstellungen1");
    buildPortMenu(Einstellungen1);
    Baudrate = namedSubmenu(Einstellungen1, "Baudrate");
    N115200 = namedItem(Baudrate, "N115200");
    N115200->setCheckable(true);
    N115200->setChecked(true);
    N115200->setEnabled(false);
    System1 = namedSubmenu(Einstellungen1, "System1");
    System1->menuAction()->setVisible(false);
    SystemType = namedItem(System1, "SystemType");
    Einstellungen1->addSeparator();
    OnLine1 = namedItem(Einstellungen1, "OnLine1");
    OnLine1->setCheckable(true);
    OffLine1 = namedItem(Einstellungen1, "OffLine1");
    OffLine1->setCheckable(true);
    OffLine1->setChecked(true);
    OffLine1->setEnabled(false);
    Einstellungen1->addSeparator();
    ReceiverTest1 = namedItem(Einstellungen1, "ReceiverTest1");
    ReceiverTest1->setCheckable(true);
    ReceiverTest1->setVisible(false);
    Sprache1 = namedSubmenu(Einstellungen1, "Sprache1");
    Englisch1 = namedItem(Sprache1, "Englisch1");
    Deutsch1 = namedItem(Sprache1, "Deutsch1");
    Franzsisch1 = namedItem(Sprache1, "Franzsisch1");
    for (QAction* language : {Englisch1, Deutsch1, Franzsisch1})
        language->setCheckable(true);

    Datentransfer1 = namedMenu(bar, "Datentransfer1");
    Datensenden1 = namedItem(Datentransfer1, "Datensenden1", QKeySequence(Qt::CTRL | Qt::Key_S));
    Datenempfangen1 =
        namedItem(Datentransfer1, "Datenempfangen1", QKeySequence(Qt::CTRL | Qt::Key_E));
    LetztenTransferwiederholen1 = namedItem(Datentransfer1, "LetztenTransferwiederholen1",
                                            QKeySequence(Qt::CTRL | Qt::Key_X));
    LetztenTransferwiederholen1->setEnabled(false);

    Werkzeug1 = namedMenu(bar, "Werkzeug1");
    SenderlistenEditor1 = namedItem(Werkzeug1, "SenderlistenEditor1");
    Drucken1 = namedItem(Werkzeug1, "Drucken1", QKeySequence(Qt::CTRL | Qt::Key_D));

    Ansicht1 = namedMenu(bar, "Ansicht1");
    NeueAnzeige1 = namedItem(Ansicht1, "NeueAnzeige1");
    PortEinstellung1 = namedItem(Ansicht1, "PortEinstellung1");

    Help1 = namedMenu(bar, "Help1");
    HelpIndex1 = namedItem(Help1, "HelpIndex1", QKeySequence(Qt::Key_F1));
    Info1 = namedItem(Help1, "Info1", QKeySequence(Qt::Key_F2));
}

void TForm1::buildPortMenu(QMenu* settings) {
    Port1 = namedSubmenu(settings, "Port1");
    // Device path and description of each port show as tooltip and status tip.
    Port1->setToolTipsVisible(true);
    for (int i = 0; i < PortScanResult::MaxItems; ++i) {
        const QByteArray name = "COM" + QByteArray::number(i + 1) + "1";
        QAction* item = namedItem(Port1, name.constData());
        item->setText(QStringLiteral("COM%1").arg(i + 1));
        item->setCheckable(true);
        item->setVisible(false);
        onTriggered(item, this, [this, i] { PortItemClick(i); });
        PortItems[static_cast<std::size_t>(i)] = item;
    }
}

void TForm1::connectCommands() {
    const struct {
        QAction* item;
        QToolButton* button;
        void (TForm1::*handler)();
    } commands[] = {
        {EinstellungenSpeichern1, nullptr, &TForm1::EinstellungenSpeichern1Click},
        {Beenden1, nullptr, &TForm1::Beenden1Click},
        {N115200, nullptr, &TForm1::N115200Click},
        {OnLine1, SpeedButton2, &TForm1::OnLine1Click},
        {OffLine1, SpeedButton1, &TForm1::OffLine1Click},
        {ReceiverTest1, nullptr, &TForm1::ReceiverTest1Click},
        {Englisch1, nullptr, &TForm1::Englisch1Click},
        {Deutsch1, nullptr, &TForm1::Deutsch1Click},
        {Franzsisch1, nullptr, &TForm1::Franzsisch1Click},
        {Datensenden1, SpeedButton3, &TForm1::Datensenden1Click},
        {Datenempfangen1, SpeedButton4, &TForm1::Datenempfangen1Click},
        {LetztenTransferwiederholen1, RedoButton, &TForm1::RedoButtonClick},
        {nullptr, CancelButton, &TForm1::CancelButtonClick},
        {SenderlistenEditor1, SpeedButton5, &TForm1::SpeedButton5Click},
        {Drucken1, PrintButton, &TForm1::Drucken1Click},
        {NeueAnzeige1, AnsichtNeuButton, &TForm1::NeueAnzeige1Click},
        {PortEinstellung1, PortEinstButton, &TForm1::PortEinstellung1Click},
        {HelpIndex1, nullptr, &TForm1::HelpIndex1Click},
        {Info1, nullptr, &TForm1::Info1Click},
    };
    for (const auto& c : commands) {
        const auto handler = c.handler;
        if (c.item)
            onTriggered(c.item, this, [this, handler] { (this->*handler)(); });
        if (c.button)
            connect(c.button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    }
}
