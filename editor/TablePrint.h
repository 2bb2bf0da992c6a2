#pragma once

class ChannelListModel;
class GridView;
class QFont;
class QPrinter;

// Prints the rows of the channel table's view (heading included) in the
// table's font and column widths, scaled from the screen's dpi.
void printChannelTable(QPrinter& printer, const GridView& table, const ChannelListModel& model,
                       int screenDpi);

// The row height for a table font: the font's height in pixels plus 5.
int rowHeightForFont(const QFont& font, int screenDpi);
