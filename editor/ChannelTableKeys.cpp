#include "editor/ChannelTableKeys.h"

#include "editor/GridView.h"
#include "editor/SortDialog.h"
#include "editor/WarningBoxes.h"
#include "i18n/Messages.h"
#include "listmodel/ChannelListModel.h"
#include "ui/ShellBuilder.h"
#include "ui/UserDialogs.h"

#include <QKeySequence>

#include <algorithm>
#include <functional>

namespace {

constexpr int LastColumn = ColFavourite;

} // namespace

ChannelTableKeys::ChannelTableKeys(QWidget& window, GridView& grid, ListEditor& editor,
                                   WarningBoxes& prompts, UserDialogs& dialogs, QMenu& menu)
    : QObject(&window), window_(window), grid_(grid), editor_(editor), prompts_(prompts),
      dialogs_(dialogs), sortDialog_(new TSortDialog(&window)) {
    using Step = ListEditor::MoveStep;
    const struct {
        const char* name;
        QKeySequence key;
        std::function<void()> run;
    } commands[] = {
        {"MarkRow1", QKeySequence(Qt::SHIFT | Qt::Key_Space), [this] { markRow(); }},
        {"MarkUp1", QKeySequence(Qt::SHIFT | Qt::Key_Up), [this] { extendMarking(-1); }},
        {"MarkDown1", QKeySequence(Qt::SHIFT | Qt::Key_Down), [this] { extendMarking(1); }},
        {nullptr, {}, {}},
        {"MoveUp1", QKeySequence(Qt::ALT | Qt::Key_Up), [this] { move(Step::Up); }},
        {"MoveDown1", QKeySequence(Qt::ALT | Qt::Key_Down), [this] { move(Step::Down); }},
        {"MoveTop1", QKeySequence(Qt::ALT | Qt::Key_Home), [this] { move(Step::Top); }},
        {"MoveEnd1", QKeySequence(Qt::ALT | Qt::Key_End), [this] { move(Step::End); }},
        {"MoveTo1", QKeySequence(Qt::CTRL | Qt::Key_G), [this] { moveTo(); }},
        {"Sort1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { sort(); }},
    };
    menu.addSeparator();
    for (const auto& c : commands) {
        if (!c.name) {
            menu.addSeparator();
            continue;
        }
        QAction* action = shell::item(&menu, c.name, {});
        action->setShortcut(c.key);
        // The keys belong to the table: a cell editor or a choice list keeps
        // its own arrow keys.
        action->setShortcutContext(Qt::WidgetShortcut);
        grid_.addAction(action);
        connect(action, &QAction::triggered, this, c.run);
    }
}

int ChannelTableKeys::firstMarkedRow() const {
    const GridSelection s = grid_.selectionRect();
    return s.empty() ? grid_.currentGridRow() : s.top;
}

void ChannelTableKeys::markRow() {
    const int row = grid_.currentGridRow();
    if (row < 1)
        return;
    // What a click on the row's number cell does: the press, then the release.
    emit grid_.pressed(0, row, Qt::LeftButton);
    emit grid_.released(0, row, Qt::LeftButton, {});
    anchor_ = end_ = row;
}

void ChannelTableKeys::extendMarking(int direction) {
    const GridSelection s = grid_.selectionRect();
    const bool ours = !s.empty() && s.left == 1 && s.right == LastColumn &&
                      s.top == std::min(anchor_, end_) && s.bottom == std::max(anchor_, end_);
    if (!ours) {
        // Start from what is marked now: whole rows from their top, else the
        // current row.
        const bool wholeRows = !s.empty() && s.left == 1 && s.right == LastColumn;
        anchor_ = wholeRows ? s.top : grid_.currentGridRow();
        end_ = wholeRows ? s.bottom : anchor_;
        if (anchor_ < 1)
            return;
    }
    markRows(anchor_, std::clamp(end_ + direction, 1, editor_.shownRows() - 1));
}

void ChannelTableKeys::markRows(int anchor, int end) {
    anchor_ = anchor;
    end_ = end;
    const int top = std::min(anchor, end);
    const int bottom = std::max(anchor, end);
    grid_.setSelectionRect({1, top, LastColumn, bottom});
    // Making the top cell current counted as leaving the marked rows.
    editor_.markRows(bottom - top + 1);
    grid_.scrollTo(grid_.model()->index(end - 1, 1));
}

void ChannelTableKeys::move(ListEditor::MoveStep step) {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    markMoved(editor_.moveMarked(firstMarkedRow(), step));
}

void ChannelTableKeys::moveTo() {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    if (editor_.markedRowCount() == 0)
        return;
    const int first = firstMarkedRow();
    int row = std::max(first, 1);
    if (!dialogs_.number(&window_, i18n::text(i18n::Msg::MoveToTitle),
                         i18n::text(i18n::Msg::MoveToPrompt), 1, ChannelSlots, row))
        return;
    markMoved(editor_.moveMarkedInFrontOf(first, row));
}

void ChannelTableKeys::markMoved(int row) {
    if (row < 1)
        return;
    const int count = editor_.markedRowCount();
    const int last =
        std::clamp(row + count - 1, row, std::max(editor_.model().viewRowCount(), row));
    markRows(row, last);
    editor_.markRows(count);
}

void ChannelTableKeys::sort() {
    if (!prompts_.listOpenOrWarn(editor_))
        return;
    sortDialog_->setWindowTitle(i18n::text(i18n::Msg::SortTitle));
    if (dialogs_.execDialog(*sortDialog_) != QDialog::Accepted)
        return;
    editor_.sortRows(firstMarkedRow(), sortDialog_->key(), sortDialog_->descending());
}
