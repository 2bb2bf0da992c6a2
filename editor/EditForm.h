#pragma once

#include "i18n/Messages.h"

#include <QMainWindow>

class QTableWidget;
class QMenu;

// The channel-list editor window. For now its frame: menus, tool bar, the
// channel grid and the dialog texts, all named for the language table.
class TEditForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TEditForm(QWidget* parent = nullptr);
    void applyLanguage(i18n::Language language);

    QTableWidget* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // the grid's context menu (Cut2, Copy2, Paste2)

private:
    void buildMenus();
    void buildToolBar();
};
