#pragma once

#include "editor/ListEditor.h"
#include "editor/WarningBoxes.h"
#include "ui/LanguageWindow.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class CellEditing;
class ChannelListModel;
class ChannelTableModel;
class GridView;
class QAction;
class QComboBox;
class QMenu;
class QPrinter;
class QRadioButton;
class TEditTransponder;
class TSuche;
class TFavForm;
class TWarnung;
class UserDialogs;

// The controls of the editor window that its commands switch and read
// (all null until the window has built them).
struct EditorControls {
    GridView* StringGrid1;
    QMenu* PopupMenu1; // the grid's context menu (Cut2, Copy2, Paste2)
    QRadioButton* RadioButtonTV;
    QRadioButton* RadioButtonRadio;
    QComboBox* ComboBox1;
    QComboBox* cellChoiceList;
    QAction* AnsichtTV;
    QAction* AnsichtRa;
    QAction* Undo1;
    QAction* Redo1;
};

// The channel-list editor window: one list file shown as the TV or radio
// channels of the model's channel grid. The edits themselves are the
// ListEditor's; the window asks, shows and repaints what it reports.
class TEditForm : public ui::LanguageWindow<QMainWindow> {
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
    void setAboutBox(std::function<void()> showAbout);

    const EditorControls& controls() const { return controls_; }
    ListEditor& editor() { return editor_; }
    QString statusText() const;

    // --- commands ----------------------------------------------------------
    void openList();
    // The load sequence; false (with a message) when the file cannot be read,
    // which leaves the open list as it was.
    bool loadListIntoEditor(const QString& path);
    void showTv();
    void showRadio();
    void Copy1Click();
    void Cut1Click();
    void Paste1Click();
    // Del key: fromKey clears the marked rows afterwards.
    void deleteRows(bool fromKey);
    void StringGrid1RowMoved(int fromRow, int toRow);
    void StringGrid1DblClick(int column, int row);
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
    void Transponderbearbeiten1Click();

    // --- find ------------------------------------------------------------------
    void Find1Click(); // channel name
    void Find2Click(); // frequency
    void Find3Click(); // transponder
    // Searches the find column for the find dialog's text ("Suche
    // wiederholen", F3).
    void Suchewiederholen1Click();

    // --- favourites (events of the favourites window) ------------------------
    void PasteFavButtonClick();
    void DeleteFavButtonClick();
    void StringGrid2DragDrop(int favouriteRow, int channelRow);
    void favouritesBackspace(int top, int bottom);
    void StringGrid2RowMoved(int fromRow, int toRow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Repaints what an edit changed, and the undo state and status line.
    void showChange(Changed what);
    // Before unsaved changes would be lost: true to go on (saved or
    // discarded), false to keep them.
    bool confirmDiscard();
    void showFinder(int column);

    UserDialogs& dialogs_;
    WarningBoxes prompts_;
    ListEditor editor_;
    ChannelTableModel* table_ = nullptr;
    EditorControls controls_{};
    CellEditing* cells_ = nullptr;
    TFavForm* favForm_ = nullptr;
    TSuche* suche_ = nullptr;
    TEditTransponder* transponderDialog_ = nullptr;
    std::function<void()> showAbout_;
    std::unique_ptr<QPrinter> printer_;
};
