#pragma once

#include "editor/GridView.h"
#include "i18n/Messages.h"
#include "ui/LanguageWindow.h"

#include <QWidget>

class ChannelListModel;
class ChannelTableModel;
class QMenu;
class UserDialogs;

// The favourites window: an always-on-top tool window over the model's
// favourites grid. What its commands do is the editor's business; the window
// reports them as signals.
class TFavForm : public ui::LanguageWindow<QWidget> {
    Q_OBJECT
public:
    TFavForm(UserDialogs& dialogs, ChannelListModel& model, QWidget* parent = nullptr);

    // The favourites grid was refilled.
    void refresh();

    GridView* StringGrid2 = nullptr;
    QMenu* PopupMenu1 = nullptr; // Paste1, Delete1
    QAction* Paste = nullptr;    // main menu "Einfügen"
    QAction* Delete = nullptr;   // main menu "Löschen"

signals:
    void pasteRequested();
    void deleteRequested();
    void backspacePressed(int top, int bottom);
    void rowMoved(int fromRow, int toRow);
    void channelDropped(int favouriteRow, int channelRow);
    // A press, click or key went to the favourites table.
    void touched();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressed(int column, int row, Qt::MouseButton button);
    void released(int column, int row, Qt::MouseButton button, const QPoint& globalPos);

    ChannelListModel& model_;
    ChannelTableModel* table_ = nullptr;
    bool placed_ = false;
};
