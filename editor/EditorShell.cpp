// The editor window's controls: menus, tool bar and channel table, each
// bound to the window's command.
#include "editor/EditorShell.h"

#include "editor/EditForm.h"
#include "editor/EditorIcons.h"
#include "editor/GridView.h"
#include "help/HelpViewer.h"
#include "ui/ShellBuilder.h"

#include <QComboBox>
#include <QKeySequence>
#include <QMainWindow>
#include <QRadioButton>
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

void bindToAction(QToolButton* button, QAction* action) {
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
}

void buildMenus(TEditForm& form, QMainWindow& window, EditorControls& c) {
    QMenu* file = shell::menu(window.menuBar(), "File1", {});
    QAction* open = shortcutItem(file, "Open1", QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* close = shortcutItem(file, "Close1", QKeySequence(Qt::CTRL | Qt::Key_L));
    QAction* save = shortcutItem(file, "Save1", QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* saveAs = shell::item(file, "SaveAs1", {});
    QAction* reorder = shell::item(file, "Reihenfolge1", {});
    file->addSeparator();
    QAction* print = shortcutItem(file, "Print1", QKeySequence(Qt::CTRL | Qt::Key_P));
    QAction* printSetup = shell::item(file, "PrintSetup1", {});
    QObject::connect(saveAs, &QAction::triggered, &form, [&form] { form.SaveAs1Click(); });
    QObject::connect(print, &QAction::triggered, &form, &TEditForm::Print1Click);
    QObject::connect(printSetup, &QAction::triggered, &form, &TEditForm::PrintSetup1Click);
    file->addSeparator();
    QAction* exit = shell::item(file, "Exit1", {});
    QObject::connect(open, &QAction::triggered, &form, &TEditForm::openList);
    QObject::connect(close, &QAction::triggered, &form, [&form] { form.Close1Click(); });
    QObject::connect(save, &QAction::triggered, &form, [&form] { form.saveList(); });
    QObject::connect(exit, &QAction::triggered, &form, &TEditForm::Exit1Click);
    QObject::connect(reorder, &QAction::triggered, &form, &TEditForm::Reihenfolge1Click);

    QMenu* edit = shell::menu(window.menuBar(), "Edit1", {});
    c.Undo1 = shortcutItem(edit, "Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z));
    c.Redo1 = shortcutItem(edit, "Redo1", QKeySequence(Qt::CTRL | Qt::Key_Y));
    c.Redo1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    QAction* cut = shortcutItem(edit, "Cut1", QKeySequence(Qt::CTRL | Qt::Key_X));
    QAction* copy = shortcutItem(edit, "Copy1", QKeySequence(Qt::CTRL | Qt::Key_C));
    QAction* paste = shortcutItem(edit, "Paste1", QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    QObject::connect(shortcutItem(edit, "Find1", QKeySequence(Qt::CTRL | Qt::Key_F)),
                     &QAction::triggered, &form, &TEditForm::Find1Click);
    QObject::connect(shell::item(edit, "Find2", {}), &QAction::triggered, &form,
                     &TEditForm::Find2Click);
    QObject::connect(shell::item(edit, "Find3", {}), &QAction::triggered, &form,
                     &TEditForm::Find3Click);
    QObject::connect(shortcutItem(edit, "Suchewiederholen1", QKeySequence(Qt::Key_F3)),
                     &QAction::triggered, &form, &TEditForm::Suchewiederholen1Click);
    edit->addSeparator();
    QObject::connect(shortcutItem(edit, "Transponderbearbeiten1", QKeySequence(Qt::Key_F8)),
                     &QAction::triggered, &form, &TEditForm::Transponderbearbeiten1Click);
    QObject::connect(c.Undo1, &QAction::triggered, &form, &TEditForm::undo);
    QObject::connect(c.Redo1, &QAction::triggered, &form, &TEditForm::redo);
    QObject::connect(cut, &QAction::triggered, &form, &TEditForm::Cut1Click);
    QObject::connect(copy, &QAction::triggered, &form, &TEditForm::Copy1Click);
    QObject::connect(paste, &QAction::triggered, &form, &TEditForm::Paste1Click);

    QMenu* view = shell::menu(window.menuBar(), "Ansicht1", {});
    c.AnsichtTV = shortcutItem(view, "AnsichtTV", QKeySequence(Qt::CTRL | Qt::Key_T));
    c.AnsichtTV->setText(QStringLiteral("TV"));
    c.AnsichtRa = shortcutItem(view, "AnsichtRa", QKeySequence(Qt::CTRL | Qt::Key_R));
    c.AnsichtRa->setText(QStringLiteral("Radio"));
    c.AnsichtTV->setCheckable(true);
    c.AnsichtRa->setCheckable(true);
    QObject::connect(c.AnsichtTV, &QAction::triggered, &form, &TEditForm::showTv);
    QObject::connect(c.AnsichtRa, &QAction::triggered, &form, &TEditForm::showRadio);

    QMenu* help = shell::menu(window.menuBar(), "Help1", {});
    QAction* useHelp = shortcutItem(help, "UseHelp1", QKeySequence(Qt::Key_F1));
    shortcutItem(help, "Info1", QKeySequence(Qt::Key_F2));
    QObject::connect(useHelp, &QAction::triggered, &form,
                     [] { help::showContents(help::currentHelpFile()); });

    // Commands that only a tool button reaches.
    QObject::connect(shell::item(&window, "FontCommand", {}), &QAction::triggered, &form,
                     &TEditForm::FontButtonClick);
    QObject::connect(shell::item(&window, "FavEditCommand", {}), &QAction::triggered, &form,
                     &TEditForm::FavoritenBearbeiten1Click);

    // The grid's context menu keeps its English design captions until the
    // German texts are applied once; its items trigger the Edit menu's.
    c.PopupMenu1 = new QMenu(&window);
    c.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (auto [name, action] :
         {std::pair{"Cut2", cut}, std::pair{"Copy2", copy}, std::pair{"Paste2", paste}})
        QObject::connect(shell::item(c.PopupMenu1, name, {}), &QAction::triggered, action,
                         &QAction::trigger);

    // Del works in the channel table only.
    auto* del = new QAction(c.StringGrid1);
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetShortcut);
    c.StringGrid1->addAction(del);
    QObject::connect(del, &QAction::triggered, &form, [&form] { form.deleteRows(true); });
}

void buildToolBar(TEditForm& form, QWidget* central, EditorControls& c) {
    auto* panel = new QWidget(central);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(33);

    // The view switch takes the room its captions need in the font in use;
    // the buttons after it move along if that is more than the design gave.
    c.RadioButtonTV = new QRadioButton(QStringLiteral("TV"), panel);
    c.RadioButtonTV->setObjectName(QStringLiteral("RadioButtonTV"));
    c.RadioButtonTV->setGeometry(8, 8, std::max(40, c.RadioButtonTV->sizeHint().width()), 17);
    c.RadioButtonRadio = new QRadioButton(QStringLiteral("Radio"), panel);
    c.RadioButtonRadio->setObjectName(QStringLiteral("RadioButtonRadio"));
    c.RadioButtonRadio->setGeometry(c.RadioButtonTV->geometry().right() + 1, 8,
                                    std::max(56, c.RadioButtonRadio->sizeHint().width()), 17);
    const int shift = std::max(0, c.RadioButtonRadio->geometry().right() + 1 - 104);
    // The view switch shows the state of the view actions and triggers them.
    for (auto [radio, action] :
         {std::pair{c.RadioButtonTV, c.AnsichtTV}, std::pair{c.RadioButtonRadio, c.AnsichtRa}}) {
        radio->setChecked(action->isChecked());
        QObject::connect(action, &QAction::toggled, radio, &QRadioButton::setChecked);
        QObject::connect(radio, &QRadioButton::clicked, action, &QAction::trigger);
    }

    // Every button stands for a command of the menus (or, for the font and
    // the favourites, a command of its own): it triggers that action and is
    // enabled with it.
    const struct {
        const char* name;
        int x;
        const char* action;
        const char* icon;
    } buttons[] = {
        {"FileOpenButton", 104, "Open1", "open"},
        {"SaveFileButton", 136, "Save1", "save"},
        {"PrintButton", 168, "Print1", "print"},
        {"FileCloseButton", 200, "Close1", "close"},
        {"CutButton", 416, "Cut1", "cut"},
        {"CopyButton", 448, "Copy1", "copy"},
        {"PasteButton", 480, "Paste1", "paste"},
        {"FontButton", 544, "FontCommand", "font"},
        {"TransponderButton", 608, "Transponderbearbeiten1", nullptr},
        {"FavEditButton", 712, "FavEditCommand", nullptr},
    };
    for (const auto& b : buttons) {
        QToolButton* button = shell::toolButton(panel, b.name, {});
        button->move(b.x + shift, 0);
        if (b.icon) {
            button->setIcon(editorIcon(b.icon));
            button->setIconSize(QSize(24, 24));
        }
        bindToAction(button, form.findChild<QAction*>(QString::fromLatin1(b.action)));
    }
    auto* transponder = panel->findChild<QToolButton*>(QStringLiteral("TransponderButton"));
    transponder->setText(QStringLiteral("TP-Edit"));
    QFont bold = transponder->font();
    bold.setBold(true);
    transponder->setFont(bold);
    transponder->setFixedSize(73, 33);
    auto* favourites = panel->findChild<QToolButton*>(QStringLiteral("FavEditButton"));
    favourites->setText(QStringLiteral("Fav-Edit"));
    favourites->setFixedSize(65, 33);

    c.ComboBox1 = new QComboBox(panel);
    c.ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* type : receiverTypes)
        c.ComboBox1->addItem(QString::fromLatin1(type));
    c.ComboBox1->setPlaceholderText(QStringLiteral("Receiver Type"));
    c.ComboBox1->setCurrentIndex(-1);
    c.ComboBox1->setEnabled(false);
    c.ComboBox1->setGeometry(824 + shift, 5, 361, 22);

    static_cast<QVBoxLayout*>(central->layout())->addWidget(panel);
}

} // namespace

EditorControls buildEditorShell(TEditForm& form, QWidget* central, ChannelTableModel* table) {
    EditorControls c{};
    c.StringGrid1 = new GridView(table, columnWidths, central);
    c.StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    c.StringGrid1->setContextMenuPolicy(Qt::PreventContextMenu);
    buildMenus(form, form, c);
    buildToolBar(form, central, c);
    static_cast<QVBoxLayout*>(central->layout())->addWidget(c.StringGrid1);
    return c;
}

void checkViewActions(const EditorControls& controls, bool tv) {
    controls.AnsichtTV->setChecked(tv);
    controls.AnsichtRa->setChecked(!tv);
}
