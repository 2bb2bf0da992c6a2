#include "editor/EditForm.h"

#include "i18n/WindowTexts.h"
#include "ui/ShellBuilder.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int GridColumns = 15;
} // namespace

TEditForm::TEditForm(UserDialogs& dialogs, ChannelListModel& list, QWidget* parent)
    : LanguageWindow(i18n::Window::EditForm, parent), dialogs_(dialogs), list_(list) {
    setObjectName(QStringLiteral("EditForm"));
    resize(900, 600);
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    buildToolBar();

    StringGrid1 = new QTableWidget(0, GridColumns, central);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    // Heading items exist from the start, so the texts have a place to go.
    StringGrid1->setHorizontalHeaderLabels(QStringList(GridColumns, QString()));
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(StringGrid1);

    new i18n::DialogTexts(QStringLiteral("OpenDialog1"), this, {}, {});
    new i18n::DialogTexts(QStringLiteral("SaveDialog1"), this, {}, {});
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    applyStartupTexts();
}

void TEditForm::buildMenus() {
    QMenu* file = shell::menu(menuBar(), "File1", {});
    shell::item(file, "Open1", {});
    shell::item(file, "Close1", {});
    shell::item(file, "Save1", {});
    shell::item(file, "SaveAs1", {});
    file->addSeparator();
    shell::item(file, "Print1", {});
    shell::item(file, "PrintSetup1", {});
    file->addSeparator();
    shell::item(file, "Exit1", {});

    QMenu* edit = shell::menu(menuBar(), "Edit1", {});
    shell::item(edit, "Cut1", {});
    shell::item(edit, "Copy1", {});
    shell::item(edit, "Paste1", {});
    edit->addSeparator();
    shell::item(edit, "Find1", {});
    shell::item(edit, "Find2", {});
    shell::item(edit, "Find3", {});
    shell::item(edit, "Suchewiederholen1", {});
    edit->addSeparator();
    shell::item(edit, "Transponderbearbeiten1", {});

    shell::menu(menuBar(), "Ansicht1", {});
    QMenu* help = shell::menu(menuBar(), "Help1", {});
    shell::item(help, "UseHelp1", {});
    shell::item(help, "Info1", {});

    // The grid's context menu starts with English captions; only the German
    // texts replace them.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    shell::item(PopupMenu1, "Cut2", {});
    shell::item(PopupMenu1, "Copy2", {});
    shell::item(PopupMenu1, "Paste2", {});
}

void TEditForm::buildToolBar() {
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(33);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const char* name :
         {"FileOpenButton", "SaveFileButton", "PrintButton", "FileCloseButton", "CutButton",
          "CopyButton", "PasteButton", "FontButton", "TransponderButton"})
        row->addWidget(shell::toolButton(panel, name, {}));
    row->addStretch(1);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(panel);
}
