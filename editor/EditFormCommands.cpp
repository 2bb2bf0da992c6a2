// The editor's list commands: open, view switch, close, save, undo and redo,
// and the question before unsaved changes would be lost.
#include "editor/BoxReporter.h"
#include "editor/CellEditing.h"
#include "editor/EditForm.h"
#include "editor/EditorShell.h"
#include "editor/FavForm.h"
#include "editor/GridView.h"
#include "i18n/WindowTexts.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QCloseEvent>
#include <QComboBox>

void TEditForm::openList() {
    const auto* texts = findChild<i18n::DialogTexts*>(QStringLiteral("OpenDialog1"));
    const QStringList files = dialogs_.openFileNames(this, texts->title, texts->filter, false);
    if (files.isEmpty() || !confirmDiscard())
        return;
    if (!loadListIntoEditor(files.constFirst()))
        return;
    controls_.StringGrid1->setFocus();
    checkViewActions(controls_, true);
}

bool TEditForm::loadListIntoEditor(const QString& path) {
    bool favouritesRepaired = false;
    const ListLoadResult result = editor_.load(path, favouritesRepaired);
    if (result == ListLoadResult::Unreadable) {
        prompts_.warning(i18n::text(i18n::Msg::ListUnreadable));
        return false;
    }
    if (result == ListLoadResult::ChecksumMismatch)
        prompts_.warning(i18n::text(i18n::Msg::ChecksumWrong));
    if (favouritesRepaired)
        prompts_.warning(i18n::text(i18n::Msg::FavouritesRepaired));
    const int type = getReceiverType(editor_.model().image);
    QComboBox* types = controls_.ComboBox1;
    types->setCurrentIndex(type >= 1 && type <= types->count() ? type - 1 : -1);
    return true;
}

void TEditForm::showTv() {
    cells_->hideChoiceList();
    checkViewActions(controls_, true);
    editor_.setView(1);
    controls_.StringGrid1->setCurrentCell(1, 1);
    controls_.StringGrid1->setFocus();
}

void TEditForm::showRadio() {
    cells_->hideChoiceList();
    checkViewActions(controls_, false);
    editor_.setView(0);
    controls_.StringGrid1->setCurrentCell(1, 1);
    controls_.StringGrid1->setFocus();
}

void TEditForm::undo() {
    editor_.undo();
}

void TEditForm::redo() {
    editor_.redo();
}

bool TEditForm::confirmDiscard() {
    editor_.commitCellEdit();
    if (!editor_.modified())
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

bool TEditForm::saveList() {
    if (!prompts_.listOpenOrWarn(editor_))
        return false;
    // Every save repairs the favourites first.
    editor_.repairFavourites();
    BoxReporter reporter(dialogs_, this);
    return editor_.save(reporter);
}

bool TEditForm::Close1Click() {
    if (!confirmDiscard())
        return false;
    if (favForm_)
        favForm_->hide();
    checkViewActions(controls_, true);
    editor_.close();
    controls_.ComboBox1->setCurrentIndex(-1);
    return true;
}

void TEditForm::Exit1Click() {
    close();
}

void TEditForm::closeEvent(QCloseEvent* event) {
    if (!Close1Click()) {
        event->ignore();
        return;
    }
    event->accept();
}
