// The editor's Save As, printing, printer setup and font commands.
#include "editor/BoxReporter.h"
#include "editor/EditForm.h"
#include "editor/GridView.h"
#include "editor/TablePrint.h"
#include "i18n/WindowTexts.h"
#include "listformat/ListFile.h"
#include "listformat/TextExport.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPrinter>

namespace {

QPrinter& printerOf(std::unique_ptr<QPrinter>& printer) {
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

} // namespace

bool TEditForm::SaveAs1Click() {
    if (!prompts_.listOpenOrWarn(editor_))
        return false;
    // Every save repairs the favourites first.
    editor_.repairFavourites();
    const auto* texts = findChild<i18n::DialogTexts*>(QStringLiteral("SaveDialog1"));
    const QString path =
        dialogs_.saveFileName(this, texts->title, texts->filter, QStringLiteral("lst"));
    if (path.isEmpty())
        return false;
    const QString ending = QFileInfo(path).suffix().toLower();
    BoxReporter reporter(dialogs_, this);
    if (ending == QLatin1String("txt")) {
        // An export: Save keeps writing the list to the list's own file.
        return editor_.exportText(path, reporter);
    }
    if (ending == QLatin1String("lst"))
        return editor_.saveAs(path, reporter);
    plainMessage(dialogs_, this, i18n::text(i18n::Msg::SaveAsUnknownEnding));
    return false;
}

void TEditForm::Print1Click() {
    QPrinter& printer = printerOf(printer_);
    if (dialogs_.printDialog(this, printer))
        printChannelTable(printer, *controls_.StringGrid1, editor_.model(), logicalDpiY());
}

void TEditForm::PrintSetup1Click() {
    dialogs_.printDialog(this, printerOf(printer_));
}

void TEditForm::FontButtonClick() {
    GridView* grid = controls_.StringGrid1;
    QFont font = grid->font();
    if (!dialogs_.fontDialog(this, font))
        return;
    grid->setFont(font);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setDefaultSectionSize(rowHeightForFont(font, logicalDpiY()));
}
