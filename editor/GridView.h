#pragma once

#include "editor/GridSelection.h"
#include "editor/NumberHeader.h"

#include <QHeaderView>
#include <QTableView>

class QAbstractButton;

class ChannelTableModel;

// A string grid on screen: a table view over a ChannelTableModel whose grid
// column 0 is shown as the fixed number column (the vertical header) and
// grid row 0 as the fixed heading row. Rows are moved by dragging their
// number cell. Mouse presses and releases are reported after the view has
// handled them, with grid column and row.
class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(ChannelTableModel* model, const QList<int>& columnWidths, QWidget* parent);

    GridSelection selectionRect() const;
    // Selects columns left..right of rows top..bottom (an empty selection
    // when right < left), and makes (left, top) the current cell unless
    // keepCurrent.
    void setSelectionRect(const GridSelection& rect);
    void clearSelectionAt(int row);
    int currentGridRow() const;
    int currentGridColumn() const;
    void setCurrentCell(int column, int row);

    // True while an in-place editor is open.
    bool editing() const { return state() == QAbstractItemView::EditingState; }

    void setRowMoving(bool on);

    // While on, a left press and move (in a cell or a number cell) drags the
    // selection's top row out of the view (to the favourites table).
    bool dragRows = false;
    // Drags that row; pressPoint is where the press was, in the viewport's
    // coordinates (the number cells share its rows).
    void dragRowFrom(const QPoint& pressPoint);
    // While on, the view accepts row drops (the favourites table).
    void setAcceptRowDrops(bool on);

    // The words a column shows as values (its choice list), in the language
    // shown: the column is kept wide enough for the longest.
    void setValueWords(int column, const QStringList& words);

    // Grid row at a point of the viewport (1-based), 0 when none.
    int gridRowAt(const QPoint& viewportPoint) const;

signals:
    void pressed(int column, int row, Qt::MouseButton button);
    void released(int column, int row, Qt::MouseButton button, const QPoint& globalPos);
    void rowMoved(int fromRow, int toRow);
    void currentCellChanged(int column, int row);
    void rowDropped(int targetRow, int sourceRow);
    // A drag of this row out of the view begins.
    void rowDragStarted(int row);
    // The in-place editor's text changed; it was closed.
    void cellTextEdited(int column, int row, const QString& text);
    void editorClosed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sectionMoved(int logical, int oldVisual, int newVisual);
    void paintCorner(QWidget* corner);
    void headingsChanged(int first, int last);

    ChannelTableModel* model_;
    QList<int> designWidths_;
    QList<QStringList> valueWords_;
    QAbstractButton* corner_ = nullptr;
    QPoint pressPoint_;
    bool acceptDrops_ = false;
};
