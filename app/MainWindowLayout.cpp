// The main window's tool bar, terminal view and status line.
#include "app/MainWindowControls.h"

#include "app/CommandButtons.h"
#include "i18n/WindowTexts.h"
#include "ui/Icons.h"
#include "ui/ShellBuilder.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// A tool-bar button at its design position, bound to its command.
QToolButton* commandButton(QWidget* area, const char* name, int x, const char* icon,
                           QAction* command) {
    QToolButton* button = shell::toolButton(area, name, {});
    button->move(x, 0);
    button->setIcon(shell::icon(icon));
    button->setIconSize(QSize(24, 24));
    bindToCommand(button, command);
    return button;
}

} // namespace

void MainWindowControls::build(QMainWindow& window) {
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    window.setCentralWidget(central);
    buildMenus(window);
    buildToolBar(*central);
    buildTerminalView(*central);

    StatusBar1 = shell::label(&window, "StatusBar1", {});
    window.statusBar()->setObjectName(QStringLiteral("StatusBar"));
    window.statusBar()->addWidget(StatusBar1, 1);

    OpenDialog1 = new i18n::DialogTexts(QStringLiteral("OpenDialog1"), &window, {}, {});
    SaveDialog1 = new i18n::DialogTexts(QStringLiteral("SaveDialog1"), &window, {}, {});
}

void MainWindowControls::buildToolBar(QWidget& central) {
    Panel1 = new QWidget(&central);
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
    SpeedButton2 = commandButton(fixed, "SpeedButton2", 0, "online", OnLine1);
    SpeedButton1 = commandButton(fixed, "SpeedButton1", 32, "offline", OffLine1);
    SpeedButton3 = commandButton(fixed, "SpeedButton3", 64, "send", Datensenden1);
    SpeedButton4 = commandButton(fixed, "SpeedButton4", 96, "receive", Datenempfangen1);
    RedoButton = commandButton(fixed, "RedoButton", 128, "redo", LetztenTransferwiederholen1);
    CancelButton = commandButton(fixed, "CancelButton", 176, "cancel", Cancel);
    AnsichtNeuButton = commandButton(fixed, "AnsichtNeuButton", 224, "clearview", NeueAnzeige1);
    PortEinstButton = commandButton(fixed, "PortEinstButton", 256, "portreport", PortEinstellung1);
    SpeedButton5 = commandButton(fixed, "SpeedButton5", 320, "editor", SenderlistenEditor1);
    PrintButton = commandButton(fixed, "PrintButton", 352, "print", Drucken1);

    LabelSend = shell::label(fixed, "LabelSend", {});
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
    static_cast<QVBoxLayout*>(central.layout())->addWidget(Panel1);

    CancelButton->setShortcut(QKeySequence(Qt::Key_Escape));
    for (QWidget* hidden : {static_cast<QWidget*>(CancelButton), static_cast<QWidget*>(PrintButton),
                            static_cast<QWidget*>(LabelSend), static_cast<QWidget*>(MaskEdit1),
                            static_cast<QWidget*>(CBoxPortName)})
        hidden->hide();
}

void MainWindowControls::buildTerminalView(QWidget& central) {
    RichEdit1 = new QPlainTextEdit(&central);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette colours = RichEdit1->palette();
    colours.setColor(QPalette::Base, QColor(128, 128, 128));
    colours.setColor(QPalette::Text, Qt::white);
    RichEdit1->setPalette(colours);
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    RichEdit1->setFont(font);
    static_cast<QVBoxLayout*>(central.layout())->addWidget(RichEdit1, 1);
}
