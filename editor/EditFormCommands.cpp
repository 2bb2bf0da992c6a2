// The editor's list commands: open, view switch, close, save, undo and redo,
// and the question before unsaved changes would be lost.
#include "editor/BoxReporter.h"
#include "editor/ChannelTableModel.h"
#include "editor/EditForm.h"
#include "editor/FavForm.h"
#include "i18n/WindowTexts.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>

namespace {

// Rows of the channel table while a list is open (3998 channel rows).
constexpr int OpenListGridRows = 3999;

} // namespace

int TEditForm::countChannelsNow() {
    return countChannels(model_.image);
}

bool TEditForm::favouritesVisible() const {
    return favForm_ && favForm_->isVisible();
}

void TEditForm::openList() {
    const auto* texts = findChild<i18n::DialogTexts*>(QStringLiteral("OpenDialog1"));
    const QStringList files = dialogs_.openFileNames(this, texts->title, texts->filter, false);
    if (files.isEmpty() || !confirmDiscard())
        return;
    clearChannelTable();
    if (!loadListIntoEditor(files.constFirst())) {
        refillChannels(model_.channelCount);
        return;
    }
    currentPath_ = files.constFirst();
    updateStatus();
    StringGrid1->setFocus();
    selectTvView();
    const int count = countChannelsNow();
    model_.fillChannelGrid(count);
    model_.fillFavouriteGrid(countChannelsNow());
    refreshTables();
}

bool TEditForm::loadListIntoEditor(const QString& path) {
    const ListLoadResult result = loadListFileChecked(model_.image, path);
    if (result == ListLoadResult::Unreadable) {
        // Nothing was read: the open list (and its path) stay as they were.
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::ListUnreadable),
                         UserDialogs::Icon::Warning);
        return false;
    }
    if (result == ListLoadResult::ChecksumMismatch)
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::ChecksumWrong),
                         UserDialogs::Icon::Warning);
    if (model_.repairFavourites())
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::FavouritesRepaired),
                         UserDialogs::Icon::Warning);
    table_->setGridRowCount(OpenListGridRows);
    model_.channelCount = countChannelsNow();
    pasteToFavourites = false;
    model_.fillChannelGrid(model_.channelCount);
    model_.fillFavouriteGrid(model_.channelCount);
    const int type = getReceiverType(model_.image);
    ComboBox1->setCurrentIndex(type >= 1 && type <= ComboBox1->count() ? type - 1 : -1);
    // The repaired image is what the file means: it counts as unchanged.
    model_.history.reset();
    updateUndoState();
    refreshTables();
    return true;
}

void TEditForm::selectTvView() {
    RadioButtonTV->setChecked(true);
    RadioButtonRadio->setChecked(false);
    AnsichtTV->setChecked(true);
    AnsichtRa->setChecked(false);
    model_.rowToChannel.fill(0);
    model_.currentKind = 1;
    markedRowCount = 0;
}

void TEditForm::showTv() {
    setView(1);
}

void TEditForm::showRadio() {
    setView(0);
}

void TEditForm::setView(uint8_t kind) {
    cellChoiceList->hide();
    const int count = countChannelsNow();
    if (kind == 1)
        model_.channelCount = count;
    const bool tv = kind == 1;
    RadioButtonTV->setChecked(tv);
    RadioButtonRadio->setChecked(!tv);
    AnsichtTV->setChecked(tv);
    AnsichtRa->setChecked(!tv);
    model_.currentKind = kind;
    clearChannelTable();
    model_.fillChannelGrid(count);
    model_.fillFavouriteGrid(count);
    refreshTables();
    StringGrid1->setCurrentCell(1, 1);
    StringGrid1->setFocus();
}

void TEditForm::clearChannelTable() {
    Grid& grid = model_.channelGrid;
    for (int row = 1; row < table_->gridRowCount(); ++row)
        for (int column = 0; column < ChannelGridColumns; ++column)
            grid.setCell(column, row, "");
    table_->refresh(true);
}

void TEditForm::refillChannels(int count) {
    const int before = model_.viewRowCount;
    model_.fillChannelGrid(count);
    for (int row = model_.viewRowCount + 1; row <= before; ++row)
        for (int column = 1; column < ChannelGridColumns; ++column)
            model_.channelGrid.setCell(column, row, "");
    refreshTables();
}

void TEditForm::refreshTables() {
    table_->refresh();
    if (favForm_)
        favForm_->refresh();
}

void TEditForm::beginChange() {
    commitCellEdit();
    model_.history.begin();
}

void TEditForm::endChange() {
    model_.history.commit();
    updateUndoState();
    updateStatus();
}

void TEditForm::updateUndoState() {
    Undo1->setEnabled(model_.history.canUndo());
    Redo1->setEnabled(model_.history.canRedo());
}

void TEditForm::updateStatus() {
    auto* label = statusBar()->findChild<QLabel*>(QStringLiteral("StatusPath"));
    const bool modified = listOpen() && model_.history.modified();
    label->setText(modified ? currentPath_ + QStringLiteral(" *") : currentPath_);
}

void TEditForm::undo() {
    stepHistory(&UndoHistory::undo);
}

void TEditForm::redo() {
    stepHistory(&UndoHistory::redo);
}

void TEditForm::stepHistory(bool (UndoHistory::*step)()) {
    commitCellEdit();
    if (!listOpen() || !(model_.history.*step)())
        return;
    model_.channelCount = countChannelsNow();
    refillChannels(model_.channelCount);
    model_.fillFavouriteGrid(model_.channelCount);
    refreshTables();
    updateUndoState();
    updateStatus();
}

bool TEditForm::confirmDiscard() {
    commitCellEdit();
    if (!listOpen() || !model_.history.modified())
        return true;
    enum { Save, Discard, Cancel };
    const int answer = dialogs_.choice(
        this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::SaveChangesQuestion),
        {i18n::text(i18n::Msg::SaveChangesSave), i18n::text(i18n::Msg::SaveChangesDiscard),
         i18n::text(i18n::Msg::SaveChangesCancel)},
        Cancel);
    if (answer == Save)
        return saveList();
    return answer == Discard;
}

// Every save repairs the favourites first, as one undo step, and warns when
// it changed any.
void TEditForm::repairFavouritesBeforeSave() {
    beginChange();
    const bool repaired = model_.repairFavourites();
    endChange();
    if (repaired)
        dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::FavouritesRepaired),
                         UserDialogs::Icon::Warning);
}

bool TEditForm::saveList() {
    if (!listOpen()) {
        warnNoList();
        return false;
    }
    repairFavouritesBeforeSave();
    BoxReporter reporter(dialogs_, this);
    if (!saveListFile(model_.image, currentPath_, reporter))
        return false;
    model_.history.markSaved();
    refillChannels(model_.channelCount);
    model_.fillFavouriteGrid(countChannelsNow());
    refreshTables();
    updateStatus();
    return true;
}

void TEditForm::closeList() {
    if (favForm_)
        favForm_->hide();
    selectTvView();
    eraseImage(model_.image);
    clearChannelTable();
    model_.channelCount = 0;
    model_.viewRowCount = 0;
    currentPath_.clear();
    markedRowCount = 0;
    ComboBox1->setCurrentIndex(-1);
    model_.history.reset();
    model_.fillFavouriteGrid(0);
    refreshTables();
    updateUndoState();
    updateStatus();
}

bool TEditForm::Close1Click() {
    if (!confirmDiscard())
        return false;
    closeList();
    return true;
}

void TEditForm::Exit1Click() {
    close();
}

void TEditForm::closeEvent(QCloseEvent* event) {
    if (!confirmDiscard()) {
        event->ignore();
        return;
    }
    closeList();
    model_.rowToChannel.fill(0);
    model_.currentKind = 1;
    event->accept();
}
