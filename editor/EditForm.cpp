// The editor window: controls, menus, tool bar and the warnings it shows.
#include "editor/EditForm.h"

#include "editor/ChannelTableModel.h"
#include "editor/EditorIcons.h"
#include "editor/FavForm.h"
#include "editor/Warnung.h"
#include "help/HelpViewer.h"
#include "i18n/WindowTexts.h"
#include "listmodel/ChannelListModel.h"
#include "ui/ShellBuilder.h"
#include "ui/UserDialogs.h"

#include <QActionGroup>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Design widths of the channel grid; the headings come from the window-text table.
const QList<int> columnWidths = {64, 158, 71, 68, 33, 72, 50, 50, 50, 45, 64, 54, 74, 75, 63};

// The receiver variants of the type box; entry i stands for type i + 1.
const char* const receiverTypes[] = {
    "DVB-S Receiver (OUI 1)",    "DVB-S CI Receiver (OUI 2)",  "DVB-S Twin Receiver (OUI 3)",
    "DVB-C Receiver (OUI 4)",    "DVB-C CI Receiver (OUI 5)",  "DVB-T Receiver (OUI 6)",
    "DVB-T CI Receiver (OUI 7)", "DVB-S PVR Receiver (OUI 8)", "DVB-S/T Combo Receiver (OUI 9)"};

// Captions come from the window-text table (applyStartupTexts).
QAction* shortcutItem(QMenu* menu, const char* name, const QKeySequence& key) {
    QAction* action = shell::item(menu, name, {});
    action->setShortcut(key);
    return action;
}

} // namespace

TEditForm::TEditForm(UserDialogs& dialogs, ChannelListModel& model, QWidget* parent)
    : LanguageWindow(i18n::Window::EditForm, parent), dialogs_(dialogs), model_(model) {
    setObjectName(QStringLiteral("EditForm"));
    resize(1128, 665);
    setWindowState(Qt::WindowMaximized);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    table_ =
        new ChannelTableModel(model_.channelGrid, QStringList(ChannelGridColumns, QString()), this);
    StringGrid1 = new GridView(table_, columnWidths, central);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setContextMenuPolicy(Qt::PreventContextMenu);

    buildMenus();
    buildToolBar();
    layout->addWidget(StringGrid1);
    connectGrid();
    buildCellEditing();

    new i18n::DialogTexts(QStringLiteral("OpenDialog1"), this, {}, {});
    new i18n::DialogTexts(QStringLiteral("SaveDialog1"), this, {}, {});
    new i18n::DialogTexts(QStringLiteral("ReferenceDialog1"), this, {}, {});
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(20);
    statusBar()->setSizeGripEnabled(false);
    auto* path = new QLabel(statusBar());
    path->setObjectName(QStringLiteral("StatusPath"));
    statusBar()->addWidget(path, 1);

    selectTvView();
    model_.rowToChannel.fill(0);
    StringGrid1->setFocus();
    updateUndoState();
    applyStartupTexts();
}

TEditForm::~TEditForm() = default;

void TEditForm::buildMenus() {
    QMenu* file = shell::menu(menuBar(), "File1", {});
    QAction* open = shortcutItem(file, "Open1", QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* close = shortcutItem(file, "Close1", QKeySequence(Qt::CTRL | Qt::Key_L));
    QAction* save = shortcutItem(file, "Save1", QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = shell::item(file, "SaveAs1", {});
    QAction* reorder = shell::item(file, "Reihenfolge1", {});
    file->addSeparator();
    QAction* print = shortcutItem(file, "Print1", QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* printSetup = shell::item(file, "PrintSetup1", {});
    connect(saveAs, &QAction::triggered, this, [this] { SaveAs1Click(); });
    connect(print, &QAction::triggered, this, &TEditForm::Print1Click);
    connect(printSetup, &QAction::triggered, this, &TEditForm::PrintSetup1Click);
    file->addSeparator();
    QAction* exit = shell::item(file, "Exit1", {});
    connect(open, &QAction::triggered, this, &TEditForm::openList);
    connect(close, &QAction::triggered, this, [this] { Close1Click(); });
    connect(save, &QAction::triggered, this, [this] { saveList(); });
    connect(exit, &QAction::triggered, this, &TEditForm::Exit1Click);
    connect(reorder, &QAction::triggered, this, &TEditForm::Reihenfolge1Click);

    QMenu* edit = shell::menu(menuBar(), "Edit1", {});
    Undo1 = shortcutItem(edit, "Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = shortcutItem(edit, "Redo1", QKeySequence(Qt::CTRL | Qt::Key_Y));
    Redo1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    QAction* cut = shortcutItem(edit, "Cut1", QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copy = shortcutItem(edit, "Copy1", QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = shortcutItem(edit, "Paste1", QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    connect(shortcutItem(edit, "Find1", QKeySequence(Qt::CTRL | Qt::Key_F)), &QAction::triggered,
            this, &TEditForm::Find1Click);
    connect(shell::item(edit, "Find2", {}), &QAction::triggered, this, &TEditForm::Find2Click);
    connect(shell::item(edit, "Find3", {}), &QAction::triggered, this, &TEditForm::Find3Click);
    connect(shortcutItem(edit, "Suchewiederholen1", QKeySequence(Qt::Key_F3)), &QAction::triggered,
            this, &TEditForm::Suchewiederholen1Click);
    edit->addSeparator();
    connect(shortcutItem(edit, "Transponderbearbeiten1", QKeySequence(Qt::Key_F8)),
            &QAction::triggered, this, &TEditForm::Transponderbearbeiten1Click);
    connect(Undo1, &QAction::triggered, this, &TEditForm::undo);
    connect(Redo1, &QAction::triggered, this, &TEditForm::redo);
    connect(cut, &QAction::triggered, this, &TEditForm::Cut1Click);
    connect(copy, &QAction::triggered, this, &TEditForm::Copy1Click);
    connect(paste, &QAction::triggered, this, &TEditForm::Paste1Click);

    QMenu* view = shell::menu(menuBar(), "Ansicht1", {});
    AnsichtTV = shortcutItem(view, "AnsichtTV", QKeySequence(Qt::CTRL | Qt::Key_T));
    AnsichtTV->setText(QStringLiteral("TV"));
    AnsichtRa = shortcutItem(view, "AnsichtRa", QKeySequence(Qt::CTRL | Qt::Key_R));
    AnsichtRa->setText(QStringLiteral("Radio"));
    AnsichtTV->setCheckable(true);
    AnsichtRa->setCheckable(true);
    connect(AnsichtTV, &QAction::triggered, this, &TEditForm::showTv);
    connect(AnsichtRa, &QAction::triggered, this, &TEditForm::showRadio);

    QMenu* help = shell::menu(menuBar(), "Help1", {});
    QAction* useHelp = shortcutItem(help, "UseHelp1", QKeySequence(Qt::Key_F1));
    connect(shortcutItem(help, "Info1", QKeySequence(Qt::Key_F2)), &QAction::triggered, this,
            [this] {
                if (showAbout)
                    showAbout();
            });
    connect(useHelp, &QAction::triggered, this,
            [] { help::showContents(help::currentHelpFile()); });

    // The grid's context menu keeps its English design captions until the
    // German texts are applied once.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    connect(shell::item(PopupMenu1, "Cut2", {}), &QAction::triggered, this, &TEditForm::Cut1Click);
    connect(shell::item(PopupMenu1, "Copy2", {}), &QAction::triggered, this,
            &TEditForm::Copy1Click);
    connect(shell::item(PopupMenu1, "Paste2", {}), &QAction::triggered, this,
            &TEditForm::Paste1Click);

    // Del works in the channel table only.
    auto* del = new QAction(StringGrid1);
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetShortcut);
    StringGrid1->addAction(del);
    connect(del, &QAction::triggered, this, [this] { deleteRows(true); });
}

void TEditForm::buildToolBar() {
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(33);

    // The view switch takes the room its captions need in the font in use;
    // the buttons after it move along if that is more than the design gave.
    RadioButtonTV = new QRadioButton(QStringLiteral("TV"), panel);
    RadioButtonTV->setObjectName(QStringLiteral("RadioButtonTV"));
    RadioButtonTV->setGeometry(8, 8, std::max(40, RadioButtonTV->sizeHint().width()), 17);
    RadioButtonRadio = new QRadioButton(QStringLiteral("Radio"), panel);
    RadioButtonRadio->setObjectName(QStringLiteral("RadioButtonRadio"));
    RadioButtonRadio->setGeometry(RadioButtonTV->geometry().right() + 1, 8,
                                  std::max(56, RadioButtonRadio->sizeHint().width()), 17);
    const int shift = std::max(0, RadioButtonRadio->geometry().right() + 1 - 104);
    connect(RadioButtonTV, &QRadioButton::clicked, this, &TEditForm::showTv);
    connect(RadioButtonRadio, &QRadioButton::clicked, this, &TEditForm::showRadio);

    const struct {
        const char* name;
        int x;
        EditorIcon icon;
        void (TEditForm::*action)();
    } buttons[] = {
        {"FileOpenButton", 104, EditorIcon::Open, &TEditForm::openList},
        {"SaveFileButton", 136, EditorIcon::Save, nullptr},
        {"PrintButton", 168, EditorIcon::Print, &TEditForm::Print1Click},
        {"FileCloseButton", 200, EditorIcon::Close, nullptr},
        {"CutButton", 416, EditorIcon::Cut, &TEditForm::Cut1Click},
        {"CopyButton", 448, EditorIcon::Copy, &TEditForm::Copy1Click},
        {"PasteButton", 480, EditorIcon::Paste, &TEditForm::Paste1Click},
        {"FontButton", 544, EditorIcon::Font, &TEditForm::FontButtonClick},
    };
    for (const auto& b : buttons) {
        QToolButton* button = shell::toolButton(panel, b.name, {});
        button->move(b.x + shift, 0);
        button->setIcon(editorIcon(b.icon));
        button->setIconSize(QSize(24, 24));
        if (b.action)
            connect(button, &QToolButton::clicked, this, b.action);
    }
    connect(panel->findChild<QToolButton*>(QStringLiteral("FileCloseButton")),
            &QToolButton::clicked, this, [this] { Close1Click(); });
    connect(panel->findChild<QToolButton*>(QStringLiteral("SaveFileButton")), &QToolButton::clicked,
            this, [this] { saveList(); });

    QToolButton* transponder = shell::toolButton(panel, "TransponderButton", {});
    transponder->setText(QStringLiteral("TP-Edit"));
    QFont bold = transponder->font();
    bold.setBold(true);
    transponder->setFont(bold);
    transponder->setFixedSize(73, 33);
    transponder->move(608 + shift, 0);
    connect(transponder, &QToolButton::clicked, this, &TEditForm::Transponderbearbeiten1Click);
    QToolButton* favourites = shell::toolButton(panel, "FavEditButton", QString());
    favourites->setText(QStringLiteral("Fav-Edit"));
    favourites->setFixedSize(65, 33);
    favourites->move(712 + shift, 0);
    connect(favourites, &QToolButton::clicked, this, &TEditForm::FavoritenBearbeiten1Click);

    ComboBox1 = new QComboBox(panel);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* type : receiverTypes)
        ComboBox1->addItem(QString::fromLatin1(type));
    ComboBox1->setPlaceholderText(QStringLiteral("Receiver Type"));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEnabled(false);
    ComboBox1->setGeometry(824 + shift, 5, 361, 22);

    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(panel);
}

void TEditForm::connectGrid() {
    connect(StringGrid1, &GridView::pressed, this, &TEditForm::gridPressed);
    connect(StringGrid1, &GridView::released, this, &TEditForm::gridReleased);
    connect(StringGrid1, &GridView::currentCellChanged, this, &TEditForm::gridCurrentChanged);
    connect(StringGrid1, &GridView::rowMoved, this, &TEditForm::StringGrid1RowMoved);
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
    connect(favForm_, &TFavForm::touched, this, [this] { pasteToFavourites = true; });
    connect(favForm_, &TFavForm::closed, this, &TEditForm::favFormClosed);
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z work in the favourites window too.
    favForm_->addAction(Undo1);
    favForm_->addAction(Redo1);
}

void TEditForm::setWarnings(TWarnung* warnung1, TWarnung* warnung2, TWarnung* warnung3,
                            TWarnung* warnung4) {
    warnings_[0] = warnung1;
    warnings_[1] = warnung2;
    warnings_[2] = warnung3;
    warnings_[3] = warnung4;
}

void TEditForm::applyLanguage(i18n::Language language) {
    LanguageWindow::applyLanguage(language);
    StringGrid1->horizontalHeader()->viewport()->update();
}

QString TEditForm::statusText() const {
    const auto* label = statusBar()->findChild<QLabel*>(QStringLiteral("StatusPath"));
    return label ? label->text() : QString();
}

void TEditForm::capacityExceeded(int, const QString& message) {
    plainMessage(dialogs_, this, message);
}

void TEditForm::warnMoveUp() {
    showWarning(1);
}

void TEditForm::warnMoveDown() {
    showWarning(2);
}

void TEditForm::showWarning(int number) {
    if (TWarnung* warning = warnings_[number - 1])
        dialogs_.execDialog(*warning);
}

void TEditForm::warnNoList() {
    dialogs_.message(this, QStringLiteral("Quelvox"), i18n::text(i18n::Msg::EditorNoListOpened),
                     UserDialogs::Icon::Warning);
}
