// The editor window: its controls, the dialogs it works with, and the one
// place that repaints what an edit changed.
#include "editor/EditForm.h"

#include "editor/CellEditing.h"
#include "editor/ChannelTableKeys.h"
#include "editor/ChannelTableModel.h"
#include "editor/ChannelTableMouse.h"
#include "editor/EditorShell.h"
#include "editor/FavForm.h"
#include "editor/GridView.h"
#include "i18n/WindowTexts.h"
#include "listmodel/ChannelListModel.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

void showValueWords(GridView* grid) {
    using i18n::Msg;
    grid->setValueWords(ColProgramType, {i18n::text(Msg::WordTv), i18n::text(Msg::WordRadio)});
    grid->setValueWords(ColCrypted, {i18n::text(Msg::WordFree), i18n::text(Msg::WordCrypted)});
}

} // namespace

TEditForm::TEditForm(UserDialogs& dialogs, ChannelListModel& model, QWidget* parent)
    : LanguageWindow(i18n::Window::EditForm, parent), dialogs_(dialogs), prompts_(dialogs, this),
      editor_(model, prompts_) {
    setObjectName(QStringLiteral("EditForm"));
    resize(1128, 665);
    setWindowState(Qt::WindowMaximized);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    table_ =
        new ChannelTableModel(model.channelGrid, QStringList(ChannelGridColumns, QString()), this);
    controls_ = buildEditorShell(*this, central, table_);
    connect(findChild<QAction*>(QStringLiteral("Info1")), &QAction::triggered, this, [this] {
        if (showAbout_)
            showAbout_();
    });
    connectChannelTableMouse(controls_, editor_,
                             [this] { return favForm_ && favForm_->isVisible(); });
    connect(controls_.StringGrid1, &GridView::rowMoved, this, &TEditForm::StringGrid1RowMoved);
    new ChannelTableKeys(*this, *controls_.StringGrid1, editor_, prompts_, dialogs_,
                         *findChild<QMenu*>(QStringLiteral("Edit1")));
    cells_ = new CellEditing(controls_.StringGrid1, table_, editor_);
    cells_->editTransponder = [this] { Transponderbearbeiten1Click(); };
    cells_->showFavourites = [this] { FavoritenBearbeiten1Click(); };
    controls_.cellChoiceList = cells_->choiceList();

    new i18n::DialogTexts(QStringLiteral("OpenDialog1"), this, {}, {});
    new i18n::DialogTexts(QStringLiteral("SaveDialog1"), this, {}, {});
    new i18n::DialogTexts(QStringLiteral("ReferenceDialog1"), this, {}, {});
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(20);
    statusBar()->setSizeGripEnabled(false);
    auto* path = new QLabel(statusBar());
    path->setObjectName(QStringLiteral("StatusPath"));
    statusBar()->addWidget(path, 1);

    editor_.changed = [this](Changed what) { showChange(what); };
    checkViewActions(controls_, true);
    controls_.StringGrid1->setFocus();
    showChange(Changed::Nothing);
    applyStartupTexts();
    showValueWords(controls_.StringGrid1);
}

TEditForm::~TEditForm() = default;

void TEditForm::showChange(Changed what) {
    if (touches(what, Changed::Channels | Changed::RowNumbers)) {
        table_->setGridRowCount(editor_.shownRows());
        table_->refresh(touches(what, Changed::RowNumbers));
    }
    if (favForm_ && touches(what, Changed::Favourites))
        favForm_->refresh();
    controls_.Undo1->setEnabled(editor_.canUndo());
    controls_.Redo1->setEnabled(editor_.canRedo());
    auto* label = statusBar()->findChild<QLabel*>(QStringLiteral("StatusPath"));
    label->setText(editor_.modified() ? editor_.path() + QStringLiteral(" *") : editor_.path());
}

void TEditForm::setFavForm(TFavForm* favForm) {
    favForm_ = favForm;
    if (!favForm_)
        return;
    connect(favForm_, &TFavForm::pasteRequested, this, &TEditForm::PasteFavButtonClick);
    connect(favForm_, &TFavForm::deleteRequested, this, &TEditForm::DeleteFavButtonClick);
    connect(favForm_, &TFavForm::backspacePressed, this, &TEditForm::favouritesBackspace);
    connect(favForm_, &TFavForm::rowMoved, this, &TEditForm::StringGrid2RowMoved);
    connect(favForm_, &TFavForm::channelDropped, this, &TEditForm::StringGrid2DragDrop);
    connect(favForm_, &TFavForm::touched, this, [this] { editor_.setPasteToFavourites(true); });
    // Closing the favourites window shows their numbers in the channel table.
    connect(favForm_, &TFavForm::closed, this, [this] { editor_.favouritesWindowShown(false); });
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z work in the favourites window too.
    favForm_->addAction(controls_.Undo1);
    favForm_->addAction(controls_.Redo1);
}

void TEditForm::setWarnings(TWarnung* warnung1, TWarnung* warnung2, TWarnung* warnung3,
                            TWarnung* warnung4) {
    prompts_.setWarnings(warnung1, warnung2, warnung3, warnung4);
}

void TEditForm::setAboutBox(std::function<void()> showAbout) {
    showAbout_ = std::move(showAbout);
}

void TEditForm::setTransponderDialog(TEditTransponder* dialog) {
    transponderDialog_ = dialog;
}

void TEditForm::applyLanguage(i18n::Language language) {
    LanguageWindow::applyLanguage(language);
    showValueWords(controls_.StringGrid1);
    controls_.StringGrid1->horizontalHeader()->viewport()->update();
}

QString TEditForm::statusText() const {
    const auto* label = statusBar()->findChild<QLabel*>(QStringLiteral("StatusPath"));
    return label ? label->text() : QString();
}
