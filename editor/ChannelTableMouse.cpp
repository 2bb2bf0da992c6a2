// Marking rows with the mouse in the channel table, and the row moving and
// dragging a press switches on.
#include "editor/ChannelTableMouse.h"

#include "editor/GridView.h"
#include "editor/ListEditor.h"
#include "listmodel/ChannelListModel.h"

#include <QMenu>

namespace {

constexpr int LastColumn = ColFavourite;

} // namespace

void connectChannelTableMouse(const EditorControls& controls, ListEditor& editor,
                              std::function<bool()> favouritesVisible) {
    GridView* grid = controls.StringGrid1;
    QMenu* popup = controls.PopupMenu1;
    QObject::connect(grid, &GridView::pressed, grid,
                     [&editor, grid, favouritesVisible](int column, int row, Qt::MouseButton b) {
                         editor.setPasteToFavourites(false);
                         grid->dragRows = favouritesVisible() && b == Qt::LeftButton;
                         if (column == 0 && row > editor.model().viewRowCount()) {
                             if (!favouritesVisible()) {
                                 editor.markRows(grid->selectionRect().height());
                                 grid->setRowMoving(false);
                             }
                             return;
                         }
                         if (b == Qt::LeftButton && !favouritesVisible())
                             grid->setRowMoving(true);
                     });
    QObject::connect(
        grid, &GridView::released, grid,
        [&editor, grid, popup](int column, int row, Qt::MouseButton b, const QPoint& globalPos) {
            editor.setPasteToFavourites(false);
            const bool inList = row <= editor.model().viewRowCount();
            if (row >= 1 && (column == 0 || (b == Qt::RightButton && inList))) {
                grid->setSelectionRect({1, row, LastColumn, row});
                if (b == Qt::RightButton)
                    popup->popup(globalPos);
                else if (b == Qt::LeftButton)
                    editor.markRowsUnlessMarked(1);
                return;
            }
            if (b == Qt::LeftButton)
                editor.markRowsUnlessMarked(grid->selectionRect().height());
        });
    QObject::connect(grid, &GridView::currentCellChanged, grid,
                     [&editor, grid](int column, int row) {
                         editor.currentCellChanged(column, row, grid->selectionRect());
                     });
}
