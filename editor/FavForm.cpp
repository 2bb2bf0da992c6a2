#include "editor/FavForm.h"

#include "editor/ChannelTableModel.h"
#include "i18n/WindowTexts.h"
#include "listmodel/ChannelListModel.h"
#include "ui/ShellBuilder.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

TFavForm::TFavForm(UserDialogs&, ChannelListModel& model, QWidget* parent)
    : LanguageWindow(i18n::Window::FavForm, parent, Qt::Tool), model_(model) {
    setObjectName(QStringLiteral("FavForm"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(489, 624);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* edit = shell::menu(bar, "Bearbeiten1", QStringLiteral("Bearbeiten"));
    Paste = shell::item(edit, "Paste", {});
    Paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Delete = shell::item(edit, "Delete", {});
    Delete->setShortcut(QKeySequence(Qt::Key_Delete));

    // Headings in German for every language.
    table_ = new ChannelTableModel(model_.favouriteGrid,
                                   {QStringLiteral("Nr."), QStringLiteral("Programm-Name"),
                                    QStringLiteral("Senderliste"), QStringLiteral("Prg.Typ")},
                                   this);
    StringGrid2 = new GridView(table_, {64, 196, 93, 95}, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setAcceptRowDrops(true);
    StringGrid2->installEventFilter(this);
    layout->addWidget(StringGrid2);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* paste1 = shell::item(PopupMenu1, "Paste1", {});
    QAction* delete1 = shell::item(PopupMenu1, "Delete1", {});

    for (QAction* a : {Paste, paste1})
        connect(a, &QAction::triggered, this, &TFavForm::pasteRequested);
    for (QAction* a : {Delete, delete1})
        connect(a, &QAction::triggered, this, &TFavForm::deleteRequested);
    connect(StringGrid2, &GridView::rowMoved, this, &TFavForm::rowMoved);
    connect(StringGrid2, &GridView::rowDropped, this, &TFavForm::channelDropped);
    connect(StringGrid2, &GridView::pressed, this, &TFavForm::pressed);
    connect(StringGrid2, &GridView::released, this, &TFavForm::released);
    applyStartupTexts();
}

void TFavForm::refresh() {
    table_->refresh();
}

void TFavForm::pressed(int column, int row, Qt::MouseButton) {
    emit touched();
    StringGrid2->setRowMoving(!(column == 0 && row > model_.viewRowCount()));
}

void TFavForm::released(int column, int row, Qt::MouseButton button, const QPoint& globalPos) {
    if (column == 0 && row >= 1 && row <= model_.viewRowCount()) {
        StringGrid2->setSelectionRect({1, row, FavouriteGridColumns - 1, row});
        if (button == Qt::RightButton)
            PopupMenu1->popup(globalPos);
    }
    StringGrid2->viewport()->update();
}

bool TFavForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid2 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace) {
            const GridSelection rect = StringGrid2->selectionRect();
            if (!rect.empty())
                emit backspacePressed(rect.top, rect.bottom);
            return true;
        }
        if (!key->text().isEmpty())
            emit touched();
    }
    return QWidget::eventFilter(watched, event);
}

// The first time it opens, the window stands in the middle of its screen.
void TFavForm::showEvent(QShowEvent* event) {
    if (!placed_ && screen()) {
        placed_ = true;
        QRect frame = frameGeometry();
        frame.moveCenter(screen()->availableGeometry().center());
        move(frame.topLeft());
    }
    QWidget::showEvent(event);
}

void TFavForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}
