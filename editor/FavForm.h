#pragma once

#include "ui/LanguageWindow.h"

#include <QWidget>

class ChannelListModel;
class QTableWidget;
class QMenu;
class UserDialogs;

// The favourites window; for now its frame with the named controls.
class TFavForm : public ui::LanguageWindow<QWidget> {
    Q_OBJECT
public:
    TFavForm(UserDialogs& dialogs, ChannelListModel& list, QWidget* parent = nullptr);

    QTableWidget* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // Paste1, Delete1

private:
    UserDialogs& dialogs_;
    ChannelListModel& list_;
};
