// Construction and closing of the main window, and the wiring of its commands.
#include "app/MainWindow.h"

#include "i18n/Messages.h"
#include "ports/SystemDevices.h"
#include "ui/Icons.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A menu command. Check marks are the handlers' business, as in the menus'
// design: the automatic toggle of a checkable item is undone first.
template <typename Fn> void onTriggered(QAction* item, QObject* context, Fn handler) {
    QObject::connect(item, &QAction::triggered, context, [item, handler] {
        if (item->isCheckable())
            item->setChecked(!item->isChecked());
        handler();
    });
}

void connectCommands(TForm1& form, const MainWindowControls& c) {
    const struct {
        QAction* item;
        void (TForm1::*handler)();
    } commands[] = {
        {c.EinstellungenSpeichern1, &TForm1::EinstellungenSpeichern1Click},
        {c.Beenden1, &TForm1::Beenden1Click},
        {c.N115200, &TForm1::N115200Click},
        {c.OnLine1, &TForm1::OnLine1Click},
        {c.OffLine1, &TForm1::OffLine1Click},
        {c.ReceiverTest1, &TForm1::ReceiverTest1Click},
        {c.Englisch1, &TForm1::Englisch1Click},
        {c.Deutsch1, &TForm1::Deutsch1Click},
        {c.Franzsisch1, &TForm1::Franzsisch1Click},
        {c.Datensenden1, &TForm1::Datensenden1Click},
        {c.Datenempfangen1, &TForm1::Datenempfangen1Click},
        {c.LetztenTransferwiederholen1, &TForm1::RedoButtonClick},
        {c.Cancel, &TForm1::CancelButtonClick},
        {c.SenderlistenEditor1, &TForm1::SpeedButton5Click},
        {c.Drucken1, &TForm1::Drucken1Click},
        {c.NeueAnzeige1, &TForm1::NeueAnzeige1Click},
        {c.PortEinstellung1, &TForm1::PortEinstellung1Click},
        {c.HelpIndex1, &TForm1::HelpIndex1Click},
        {c.Info1, &TForm1::Info1Click},
    };
    for (const auto& command : commands) {
        const auto handler = command.handler;
        onTriggered(command.item, &form, [&form, handler] { (form.*handler)(); });
    }
    for (int i = 0; i < PortScanResult::MaxItems; ++i)
        onTriggered(c.portItems[static_cast<std::size_t>(i)], &form,
                    [&form, i] { form.portItemClick(i); });
}

} // namespace

TForm1::TForm1(UserDialogs& dialogs, Clock& clock, const ui::WindowRegistry& windows,
               QWidget* parent)
    : LanguageWindow(i18n::Window::Form1, parent), dialogs_(dialogs), clock_(clock),
      windows_(windows), portScanner_(&PortList::scan),
      host_(transfer_, *this, ui_, settings_, dialogs),
      transfers_(transfer_, host_, settings_, dialogs, clock,
                 {this, nullptr, [this](bool on) { EnableControls(on); }}),
      deviceWatch_(SystemDevices::extraPaths(), this),
      lineReturn_(transfers_, host_, settings_, deviceWatch_,
                  {[this] { return portScanner_(); }, [this] { TermThreadDone(); },
                   [this](bool online) {
                       if (online)
                           setOnlineStatus();
                       else
                           setStatusText(i18n::text(i18n::Msg::StatusOffline));
                   }}) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(BuiltInCaption));
    setWindowIcon(shell::icon("portreport"));
    resize(800, 560);
    ui_.build(*this);
    transfers_.setStatusLine(ui_.StatusBar1);
    ui_.RichEdit1->installEventFilter(this);
    ui_.MaskEdit1->installEventFilter(this);
    applyStartupTexts();
    connectCommands(*this, ui_);
    connect(&deviceWatch_, &DeviceWatch::changed, this, [this] { portsChanged(); });
    readSettings();
    transfer_.LastTransfer = TransferState::NoTransfer;
}

TForm1::~TForm1() {
    // Every worker, the terminal's included, is a child of this window: it is
    // released from any call it waits in, cancelled and waited for.
    host_.close();
    transfers_.stopAll();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!closingMayAbortTransfer()) {
        event->ignore();
        return;
    }
    // A closed window does not take its line again.
    lineReturn_.stop();
    QMainWindow::closeEvent(event);
}

bool TForm1::closingMayAbortTransfer() {
    if (!transfers_.busy())
        return true;
    const QStringList buttons = {i18n::text(i18n::Msg::CloseAbortTransfer),
                                 i18n::text(i18n::Msg::CloseKeepTransfer)};
    constexpr int keepRunning = 1;
    return dialogs_.choice(this, QStringLiteral("Quelvox"),
                           i18n::text(i18n::Msg::CloseDuringTransfer), buttons,
                           keepRunning) != keepRunning;
}

QString TForm1::statusText() const {
    return ui_.StatusBar1->text();
}

void TForm1::setStatusText(const QString& text) {
    ui_.StatusBar1->setText(text);
}
