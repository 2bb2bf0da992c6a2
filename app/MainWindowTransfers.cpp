// The transfer commands of the main window: the common guard, send,
// receive, repeat and cancel. The transfers themselves are TransferCommands.
#include "app/MainWindow.h"

#include "i18n/WindowTexts.h"
#include "serial/Clock.h"
#include "transfer/SendOutcome.h"

#include <QAction>

namespace {
const QString caption = QStringLiteral("Quelvox");

// Without the ending, a saved list would not be recognised as a list by the
// send command, which tells lists from software files by the name's ending.
const QString listSuffix = QStringLiteral("lst");
} // namespace

bool TForm1::TransferGuard(bool repeat) {
    if (ui_.OnLine1->isChecked()) {
        OffLine1Click();
        if (repeat)
            clock_.sleepMs(500);
        return true;
    }
    if (transfers_.busy()) {
        dialogs_.message(this, caption, i18n::text(i18n::Msg::WaitForTransfer),
                         UserDialogs::Icon::Warning);
        return false;
    }
    return true;
}

void TForm1::Datenempfangen1Click() {
    if (!TransferGuard(false))
        return;
    // A cancelled dialog keeps the file of the last receive for the repeat.
    if (const QString path = dialogs_.saveFileName(this, ui_.SaveDialog1->title,
                                                   ui_.SaveDialog1->filter, listSuffix);
        !path.isEmpty()) {
        transfer_.ReceiveFileName = path;
        transfers_.SaveList();
        transfer_.LastTransfer = TransferState::LastListReceive;
    }
}

void TForm1::Datensenden1Click() {
    if (!TransferGuard(false))
        return;
    const QStringList files =
        dialogs_.openFileNames(this, ui_.OpenDialog1->title, ui_.OpenDialog1->filter, true);
    if (files.isEmpty())
        return;
    transfer_.SendFileName = files.first();
    // Any letter case: "LIST.LST" is a list, never a software file.
    if (!isListFileName(transfer_.SendFileName)) {
        transfers_.sendSoftware(files);
        return;
    }
    if (files.size() > 1) {
        dialogs_.message(this, caption, i18n::text(i18n::Msg::OnlyOneList),
                         UserDialogs::Icon::Warning);
        return;
    }
    // Controls go off only when a worker runs: otherwise nothing would switch
    // them on again.
    if (transfers_.LoadList())
        EnableControls(false);
    transfer_.LastTransfer = TransferState::LastListSend;
}

void TForm1::RedoButtonClick() {
    if (!TransferGuard(true))
        return;
    switch (transfer_.LastTransfer) {
    case TransferState::LastListReceive:
        transfers_.SaveList();
        break;
    case TransferState::LastListSend:
        // The identity read can be cancelled like any running transfer.
        if (transfers_.LoadList())
            EnableControls(false);
        break;
    case TransferState::LastSoftwareUpdate:
        if (transfers_.ReadFirmFiles())
            transfers_.LoadFirm();
        break;
    default:
        break;
    }
}

void TForm1::CancelButtonClick() {
    transfers_.cancelAll();
    clock_.sleepMs(500);
}
