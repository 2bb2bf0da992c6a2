#pragma once

#include <QObject>
#include <functional>

class ChannelTableModel;
class GridView;
class ListEditor;
class QComboBox;

// In-place editing of the channel table: typed values go into the image on
// every change, four columns offer a choice list over the cell, columns 13
// and 14 open the transponder dialog and the favourites window.
class CellEditing : public QObject {
    Q_OBJECT
public:
    CellEditing(GridView* grid, ChannelTableModel* table, ListEditor& editor);

    // Double click in the transponder and the favourites column.
    std::function<void()> editTransponder;
    std::function<void()> showFavourites;

    QComboBox* choiceList() const { return choiceList_; }
    void hideChoiceList();
    void doubleClicked(int column, int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enter in the channel table (no in-place editor open).
    void enter();
    void setEditing(bool on);
    void leaveTransponderCell();
    void showChoiceList(int column, int row);
    void chosen(int index);
    bool choiceListKey(int key);

    GridView* grid_;
    ChannelTableModel* table_;
    ListEditor& editor_;
    QComboBox* choiceList_;
};
