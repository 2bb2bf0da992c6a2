// Construction of the main window: tool bar, terminal view, status line.
#include "app/MainWindow.h"

#include "app/Settings.h"

#include "i18n/WindowTexts.h"
#include "serial/ComThread.h"
#include "serial/TermThread.h"
#include "ui/Icons.h"

#include <QAction>
#include <QComboBox>
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

QToolButton* toolButton(QWidget* panel, const char* name, int x, const char* icon) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 0, 33, 33);
    button->setIcon(shell::icon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

} // namespace

TForm1::TForm1(UserDialogs& dialogs, Clock& clock, const ui::WindowRegistry& windows,
               QWidget* parent)
    : LanguageWindow(i18n::Window::Form1, parent), windows_(windows), dialogs_(dialogs),
      clock_(clock), portScanner_(&PortList::scan) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(BuiltInCaption));
    setWindowIcon(shell::icon("portreport"));
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

    applyStartupTexts();
    connectCommands();
    installCommErrorNotifier();
    readSettings();
    transfer_.LastTransfer = TransferState::NoTransfer;
}

TForm1::~TForm1() {
    // Every worker, the terminal's included, is a child of this window: it is
    // released from any call it waits in, cancelled and waited for.
    stopTransferWorkers();
    ECommError::setNotifier(nullptr);
    if (ListPort && ListPort->IsOpen()) {
        try {
            ListPort->Close();
        } catch (const ECommError&) {
            // The device is gone; nothing left to release.
        }
    }
}

TTermThread* TForm1::termThread() const {
    return TermThread;
}

TComThread* TForm1::comThread() const {
    return ComThread;
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
    SpeedButton2 = toolButton(fixed, "SpeedButton2", 0, "online");
    SpeedButton1 = toolButton(fixed, "SpeedButton1", 32, "offline");
    SpeedButton3 = toolButton(fixed, "SpeedButton3", 64, "send");
    SpeedButton4 = toolButton(fixed, "SpeedButton4", 96, "receive");
    RedoButton = toolButton(fixed, "RedoButton", 128, "redo");
    CancelButton = toolButton(fixed, "CancelButton", 176, "cancel");
    AnsichtNeuButton = toolButton(fixed, "AnsichtNeuButton", 224, "clearview");
    PortEinstButton = toolButton(fixed, "PortEinstButton", 256, "portreport");
    SpeedButton5 = toolButton(fixed, "SpeedButton5", 320, "editor");
    PrintButton = toolButton(fixed, "PrintButton", 352, "print");

    LabelSend = new QLabel(fixed);
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
