#pragma once

#include "editor/ListEditor.h"

#include <QObject>

class GridView;
class QMenu;
class QWidget;
class TSortDialog;
class UserDialogs;
class WarningBoxes;

// The channel table without the mouse: marking rows (Shift+Space marks the
// row of the current cell as a click on its number cell does, Shift+Up and
// Shift+Down move the far end of the marking), moving the marked rows
// (Alt+Up, Alt+Down, Alt+Home, Alt+End, "Verschieben nach..." Ctrl+G) and
// "Sortieren...". The items go into the given menu; their shortcuts work
// while the channel table has the focus. The moves and the sort are the
// ListEditor's; this picks the rows and keeps them marked at their new place.
class ChannelTableKeys : public QObject {
    Q_OBJECT
public:
    ChannelTableKeys(QWidget& window, GridView& grid, ListEditor& editor, WarningBoxes& prompts,
                     UserDialogs& dialogs, QMenu& menu);

    void markRow();
    // direction -1 up, +1 down.
    void extendMarking(int direction);
    void move(ListEditor::MoveStep step);
    void moveTo();
    void sort();

private:
    // The top of the marked rows: the selection's top, else the current row.
    int firstMarkedRow() const;
    // Marks rows first..last (in either order), with the far end in view.
    void markRows(int anchor, int end);
    // Marks the moved rows at the row they start at now.
    void markMoved(int row);

    QWidget& window_;
    GridView& grid_;
    ListEditor& editor_;
    WarningBoxes& prompts_;
    UserDialogs& dialogs_;
    TSortDialog* sortDialog_;
    int anchor_ = 0;
    int end_ = 0;
};
