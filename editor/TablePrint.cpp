#include "editor/TablePrint.h"

#include "editor/GridView.h"
#include "i18n/Messages.h"
#include "listmodel/ChannelListModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QPrinter>

void printChannelTable(QPrinter& printer, const GridView& table, const ChannelListModel& model,
                       int screenDpi) {
    printer.setDocName(i18n::text(i18n::Msg::PrintJobTitle));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setFont(QFont(table.font(), &printer));
    const int ascent = painter.fontMetrics().ascent();
    const int h = table.verticalHeader()->defaultSectionSize();
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    const int linesPerPage = (landscape ? 720 : 990) / std::max(1, h);
    const double scale = double(printer.logicalDpiY()) / double(std::max(1, screenDpi));
    const auto scaled = [scale](int value) { return qRound(value * scale); };

    int columnX[ChannelGridColumns] = {};
    for (int k = 1; k < ChannelGridColumns; ++k) {
        const int width = k == 1 ? table.verticalHeader()->width() : table.columnWidth(k - 1);
        columnX[k] = columnX[k - 1] + scaled(width);
    }
    const auto cellText = [&](int column, int row) {
        if (row == 0)
            return table.model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        return QString::fromLatin1(model.channelGrid.cell(column, row));
    };
    int j = 0;
    for (int i = 0; i <= model.viewRowCount(); ++i, ++j) {
        const int y = scaled(h * j + 20) + ascent;
        for (int k = 0; k < ChannelGridColumns; ++k)
            painter.drawText(columnX[k], y, cellText(k, i));
        if (j == linesPerPage && i < model.viewRowCount()) {
            printer.newPage();
            j = 0;
        }
    }
    painter.end();
}

int rowHeightForFont(const QFont& font, int screenDpi) {
    // The font height as a negative pixel count; rows are 5 pixels taller.
    const int pixels =
        font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * screenDpi / 72.0);
    return 5 + pixels;
}
