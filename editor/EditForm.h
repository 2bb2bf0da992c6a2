#pragma once

#include "ui/LanguageWindow.h"

#include <QMainWindow>

class ChannelListModel;
class QTableWidget;
class QMenu;
class UserDialogs;

// The channel-list editor window. For now its frame: menus, tool bar, the
// channel grid and the dialog texts, all named for the language table.
class TEditForm : public ui::LanguageWindow<QMainWindow> {
    Q_OBJECT
public:
    TEditForm(UserDialogs& dialogs, ChannelListModel& list, QWidget* parent = nullptr);

    QTableWidget* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // the grid's context menu (Cut2, Copy2, Paste2)

private:
    void buildMenus();
    void buildToolBar();

    UserDialogs& dialogs_;
    ChannelListModel& list_;
};
