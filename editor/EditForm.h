#pragma once

#include "editor/GridView.h"
#include "i18n/Messages.h"
#include "listmodel/ListEditorPrompts.h"
#include "ui/LanguageWindow.h"

#include "listmodel/GridFind.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class ChannelListModel;
class ChannelTableModel;
class UndoHistory;
class QAction;
class QComboBox;
class QMenu;
class QPrinter;
class QRadioButton;
class TEditTransponder;
class TSuche;
class QToolButton;
class TFavForm;
class TWarnung;
class UserDialogs;

// The channel-list editor: one list file shown as the TV or radio channels
// of the model's channel grid. Every change goes straight into the model's
// image through its list operations, framed as one undo step; the tables are
// views of the model's grids.
class TEditForm : public ui::LanguageWindow<QMainWindow>, private ListEditorPrompts {
    Q_OBJECT
public:
    TEditForm(UserDialogs& dialogs, ChannelListModel& model, QWidget* parent = nullptr);
    ~TEditForm() override;
    void applyLanguage(i18n::Language language) override;

    // The favourites window and the four warnings (created before the editor).
    void setFavForm(TFavForm* favForm);
    void setWarnings(TWarnung* warnung1, TWarnung* warnung2, TWarnung* warnung3,
                     TWarnung* warnung4);
    // The find dialog and the transponder dialog (created at start-up).
    void setFinder(TSuche* suche);
    void setTransponderDialog(TEditTransponder* dialog);
    // Shows the about box modally ("Info", F2).
    std::function<void()> showAbout;

    // --- commands ----------------------------------------------------------
    void openList();
    // The load sequence; false (with a message) when the file cannot be read,
    // which leaves the open list as it was.
    bool loadListIntoEditor(const QString& path);
    void showTv();
    void showRadio();
    void clearChannelTable();
    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    // Del key: fromKey clears markedRowCount afterwards.
    void deleteRows(bool fromKey);
    void StringGrid1RowMoved(int fromRow, int toRow);
    void FavoritenBearbeiten1Click();
    // Close, "Beenden": false when the user kept unsaved changes (Cancel).
    bool Close1Click();
    void Exit1Click();
    // Writes the open list to its file (fresh checksums, favourites
    // repaired); false when nothing was written.
    bool saveList();
    void undo();
    void redo();
    // "Reihenfolge übernehmen...": arranges the open list like a reference
    // list or text file, after showing what would match; one undo step.
    void Reihenfolge1Click();
    // The same with the reference already chosen; true when it was applied.
    bool applyOrderFrom(const QString& referencePath);
    // Save As: ".lst" writes the list file and makes the path current,
    // ".txt" the text export (the current path stays); false when nothing
    // was written.
    bool SaveAs1Click();
    void Print1Click();
    void PrintSetup1Click();
    void FontButtonClick();
    // Prints the rows of the view (heading included) on a set-up printer.
    void printChannelTable(QPrinter& printer);
    void Transponderbearbeiten1Click();

    // --- cell editing ------------------------------------------------------------
    void StringGrid1DblClick(int column, int row);
    // Enter in the channel table (no in-place editor open).
    void StringGrid1Enter();
    void cellChoiceListChosen(int index);
    QComboBox* cellChoiceList = nullptr;
    bool transponderCellEdited = false;

    // --- find ------------------------------------------------------------------
    void Find1Click(); // channel name
    void Find2Click(); // frequency
    void Find3Click(); // transponder
    // Searches findColumn for the find dialog's text ("Suche wiederholen", F3).
    void Suchewiederholen1Click();
    int findColumn = 1;
    GridFinder finder;

    // --- favourites (events of the favourites window) ------------------------
    void PasteFavButtonClick();
    void DeleteFavButtonClick();
    void StringGrid2DragDrop(int favouriteRow, int channelRow);
    void favouritesBackspace(int top, int bottom);
    void StringGrid2RowMoved(int fromRow, int toRow);
    void favFormClosed();

    // --- state shared by the editor's parts ---------------------------------
    int markedRowCount = 0;
    bool pasteToFavourites = false;
    bool listOpen() const { return !currentPath_.isEmpty(); }
    QString currentPath() const { return currentPath_; }
    QString statusText() const;

    GridView* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // the grid's context menu (Cut2, Copy2, Paste2)
    QRadioButton* RadioButtonTV = nullptr;
    QRadioButton* RadioButtonRadio = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QAction* AnsichtTV = nullptr;
    QAction* AnsichtRa = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void connectGrid();

    // ListEditorPrompts
    void capacityExceeded(int remaining, const QString& message) override;
    void warnMoveUp() override;
    void warnMoveDown() override;
    void showWarning(int number);

    void selectTvView();
    void setView(uint8_t kind);
    // Refills the channel grid from channelCount and blanks the rows the view
    // no longer reaches; then the screen follows.
    void refillChannels(int count);
    void refreshTables();
    void beginChange();
    void endChange();
    void updateUndoState();
    // One step back or forward in the history, then the tables follow.
    void stepHistory(bool (UndoHistory::*step)());
    void repairFavouritesBeforeSave();
    void updateStatus();
    // Before unsaved changes would be lost: true to go on (saved or
    // discarded), false to keep them.
    bool confirmDiscard();
    void closeList();
    bool favouritesVisible() const;
    void warnNoList();
    int countChannelsNow();

    void gridPressed(int column, int row, Qt::MouseButton button);
    void gridReleased(int column, int row, Qt::MouseButton button, const QPoint& globalPos);
    void gridCurrentChanged(int column, int row);
    void fillFavouriteRow(int favouriteRow, int channelRow);
    void shiftFavouritesDown(int from, int by);

    UserDialogs& dialogs_;
    ChannelListModel& model_;
    ChannelTableModel* table_ = nullptr;
    TFavForm* favForm_ = nullptr;
    void buildCellEditing();
    void setCellEditing(bool on);
    void cellTextEdited(int column, int row, const QString& text);
    // Ends the undo step of an in-place edit (editor closed, or any other
    // change about to begin).
    void commitCellEdit();
    void refreshAfterTransponderEdit();
    void showChoiceList(int column, int row);
    bool choiceListKey(int key);
    bool cellEditOpen_ = false;
    void showFinder(int column);
    QPrinter& printer();
    int rowHeightForFont(const QFont& font) const;

    TWarnung* warnings_[4] = {};
    TSuche* suche_ = nullptr;
    TEditTransponder* transponderDialog_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QString currentPath_;
};
