// Construction of the main window: tool bar, menus, terminal view, status line.
#include "app/MainWindow.h"

#include "app/Settings.h"

#include "app/ToolIcons.h"
#include "i18n/WindowTexts.h"
#include "serial/TermThread.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* toolButton(QWidget* panel, const char* name, int x, ToolIcon icon) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 0, 33, 33);
    button->setIcon(toolIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

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

TForm1::TForm1(UserDialogs& dialogs, Clock& clock, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), clock_(clock), portScanner_(&PortList::scan) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(BuiltInCaption));
    setWindowIcon(toolIcon(ToolIcon::PortReport));
    resize(800, 560);
    ListPort = std::make_unique<TCommPort>(clock_);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    buildToolBar();
    buildTerminalView();
    buildMenus();

    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(StatusBar1, 1);

    OpenDialog1 = new i18n::DialogTexts(QStringLiteral("OpenDialog1"), this, {}, {});
    SaveDialog1 = new i18n::DialogTexts(QStringLiteral("SaveDialog1"), this, {}, {});

    setStartupTexts();
    connectCommands();
    installCommErrorNotifier();
    readSettings();
    LastTransfer = 0;
}

TForm1::~TForm1() {
    // Worker calls onto this window return at once from now on, so waiting for
    // a running terminal thread here cannot dead-lock.
    closing_ = true;
    stopTransferWorkers();
    if (TermThread) {
        TermThread->CancelByUser();
        while (!TermThread->wait(20))
            QCoreApplication::processEvents();
        delete TermThread.data();
    }
    ECommError::setNotifier(nullptr);
    if (ListPort && ListPort->IsOpen()) {
        try {
            ListPort->Close();
        } catch (const ECommError&) {
            // The device is gone; nothing left to release.
        }
    }
}

void TForm1::buildToolBar() {
    Panel1 = new QWidget(centralWidget());
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(33);
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(0);

    // The buttons keep their design positions; the progress bar sits at the
    // right end whatever the window's width.
    auto* fixed = new QWidget(Panel1);
    fixed->setObjectName(QStringLiteral("ToolArea"));
    fixed->setFixedSize(640, 33);
    SpeedButton2 = toolButton(fixed, "SpeedButton2", 0, ToolIcon::Online);
    SpeedButton1 = toolButton(fixed, "SpeedButton1", 32, ToolIcon::Offline);
    SpeedButton3 = toolButton(fixed, "SpeedButton3", 64, ToolIcon::Send);
    SpeedButton4 = toolButton(fixed, "SpeedButton4", 96, ToolIcon::Receive);
    RedoButton = toolButton(fixed, "RedoButton", 128, ToolIcon::Redo);
    CancelButton = toolButton(fixed, "CancelButton", 176, ToolIcon::Cancel);
    AnsichtNeuButton = toolButton(fixed, "AnsichtNeuButton", 224, ToolIcon::ClearView);
    PortEinstButton = toolButton(fixed, "PortEinstButton", 256, ToolIcon::PortReport);
    SpeedButton5 = toolButton(fixed, "SpeedButton5", 320, ToolIcon::Editor);
    PrintButton = toolButton(fixed, "PrintButton", 352, ToolIcon::Print);

    LabelSend = new QLabel(QStringLiteral("Send"), fixed);
    LabelSend->setObjectName(QStringLiteral("LabelSend"));
    LabelSend->setGeometry(408, 0, 30, 33);
    MaskEdit1 = new QLineEdit(fixed);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    MaskEdit1->setGeometry(440, 5, 73, 23);
    CBoxPortName = new QComboBox(fixed);
    CBoxPortName->setObjectName(QStringLiteral("CBoxPortName"));
    CBoxPortName->setGeometry(552, 5, 80, 23);

    ProgressBar1 = new QProgressBar(Panel1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setFixedSize(161, 17);
    ProgressBar1->setTextVisible(false);

    row->addWidget(fixed);
    row->addStretch(1);
    row->addWidget(ProgressBar1, 0, Qt::AlignVCenter);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(Panel1);

    SpeedButton1->setEnabled(false);
    RedoButton->setEnabled(false);
    CancelButton->setEnabled(false);
    CancelButton->setShortcut(QKeySequence(Qt::Key_Escape));
    CancelButton->hide();
    PrintButton->hide();
    LabelSend->hide();
    MaskEdit1->hide();
    CBoxPortName->hide();
    MaskEdit1->installEventFilter(this);
}

void TForm1::buildTerminalView() {
    RichEdit1 = new QPlainTextEdit(centralWidget());
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = RichEdit1->palette();
    colours.setColor(QPalette::Base, QColor(128, 128, 128));
    colours.setColor(QPalette::Text, Qt::white);
    RichEdit1->setPalette(colours);
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    RichEdit1->setFont(font);
    RichEdit1->installEventFilter(this);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(RichEdit1, 1);
}

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
