// The editor's find commands: the find dialog, F3 and the scroll rule.
#include "editor/ChannelTableModel.h"
#include "editor/EditForm.h"
#include "editor/GridView.h"
#include "editor/Suche.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QHeaderView>
#include <QLineEdit>

void TEditForm::setFinder(TSuche* suche) {
    suche_ = suche;
    if (suche_)
        connect(suche_, &TSuche::startRequested, this, &TEditForm::Suchewiederholen1Click);
}

void TEditForm::showFinder(int column) {
    editor_.setFindColumn(column);
    if (!suche_)
        return;
    suche_->show();
    suche_->raise();
    suche_->Edit1->setFocus();
}

void TEditForm::Find1Click() {
    showFinder(1);
}

void TEditForm::Find2Click() {
    showFinder(3);
}

void TEditForm::Find3Click() {
    showFinder(13);
}

void TEditForm::Suchewiederholen1Click() {
    const QString text = suche_ ? suche_->Edit1->text() : QString();
    GridView* grid = controls_.StringGrid1;
    const int row = editor_.findNext(text, grid->currentGridRow());
    const int findColumn = editor_.findColumn();
    if (row == 0) {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::NothingFound));
        return;
    }
    grid->setSelectionRect({findColumn, row, findColumn, row});
    // The hit's block of v fully visible rows starts at the top of the view.
    const int rowHeight = std::max(1, grid->verticalHeader()->defaultSectionSize());
    const int visible = std::max(1, grid->viewport()->height() / rowHeight);
    const int first = (row / visible) * visible + 1;
    grid->scrollTo(table_->index(std::min(first, table_->rowCount()) - 1, findColumn),
                   QAbstractItemView::PositionAtTop);
    grid->viewport()->update();
    grid->setFocus();
}
