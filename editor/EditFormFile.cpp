// The editor's Save As, printing, printer setup and font commands.
#include "editor/BoxReporter.h"
#include "editor/ChannelTableModel.h"
#include "editor/EditForm.h"
#include "i18n/WindowTexts.h"
#include "listformat/ListFile.h"
#include "listformat/TextExport.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>

bool TEditForm::SaveAs1Click() {
    if (!listOpen()) {
        warnNoList();
        return false;
    }
    repairFavouritesBeforeSave();
    const auto* texts = findChild<i18n::DialogTexts*>(QStringLiteral("SaveDialog1"));
    const QString path =
        dialogs_.saveFileName(this, texts->title, texts->filter, QStringLiteral("lst"));
    if (path.isEmpty())
        return false;
    const QString ending = QFileInfo(path).suffix().toLower();
    BoxReporter reporter(dialogs_, this);
    bool written = false;
    if (ending == QLatin1String("txt")) {
        // An export: Save keeps writing the list to the list's own file.
        written = exportText(model_.image, path, reporter);
    } else if (ending == QLatin1String("lst")) {
        written = saveListFile(model_.image, path, reporter);
        if (written) {
            currentPath_ = path;
            model_.history.markSaved();
        }
    } else {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::SaveAsUnknownEnding));
    }
    model_.channelCount = countChannelsNow();
    updateStatus();
    return written;
}

QPrinter& TEditForm::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TEditForm::Print1Click() {
    if (dialogs_.printDialog(this, printer()))
        printChannelTable(printer());
}

void TEditForm::PrintSetup1Click() {
    dialogs_.printDialog(this, printer());
}

void TEditForm::printChannelTable(QPrinter& printer) {
    printer.setDocName(i18n::text(i18n::Msg::PrintJobTitle));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(QFont(StringGrid1->font(), &printer));
    const int ascent = painter.fontMetrics().ascent();
    const int h = StringGrid1->verticalHeader()->defaultSectionSize();
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    const int linesPerPage = (landscape ? 720 : 990) / std::max(1, h);
    const double scale = double(printer.logicalDpiY()) / double(std::max(1, logicalDpiY()));
    const auto scaled = [scale](int value) { return qRound(value * scale); };

    int columnX[ChannelGridColumns] = {};
    for (int k = 1; k < ChannelGridColumns; ++k) {
        const int width =
            k == 1 ? StringGrid1->verticalHeader()->width() : StringGrid1->columnWidth(k - 1);
        columnX[k] = columnX[k - 1] + scaled(width);
    }
    const auto cellText = [this](int column, int row) {
        if (row == 0)
            return table_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return QString::fromLatin1(model_.channelGrid.cell(column, row));
    };
    int j = 0;
    for (int i = 0; i <= model_.viewRowCount; ++i, ++j) {
        const int y = scaled(h * j + 20) + ascent;
        for (int k = 0; k < ChannelGridColumns; ++k)
            painter.drawText(columnX[k], y, cellText(k, i));
        if (j == linesPerPage && i < model_.viewRowCount) {
            printer.newPage();
            j = 0;
        }
    }
    painter.end();
}

int TEditForm::rowHeightForFont(const QFont& font) const {
    // The font height as a negative pixel count; rows are 5 pixels taller.
    const int pixels =
        font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * logicalDpiY() / 72.0);
    return 5 + pixels;
}

void TEditForm::FontButtonClick() {
    QFont font = StringGrid1->font();
    if (!dialogs_.fontDialog(this, font))
        return;
    StringGrid1->setFont(font);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeightForFont(font));
}
