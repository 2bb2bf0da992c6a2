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
// Design headings of the channel grid (German).
const char* const designHeadings[GridColumns] = {
    "Nr.",     "Programm-Name", "Sat-Name",    "Frequenz",    "Pol.",
    "SR / BW", "V-PID",         "A-PID",       "Pcr-PID",     "Ttx-PID",
    "Prg.Nr.", "Prg.Typ",       "Prg.Crypted", "Transponder", "Favoriten"};
} // namespace

TEditForm::TEditForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral("Quelvox v1.03 - Editor"));
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
    QStringList headings;
    for (const char* heading : designHeadings)
        headings << QString::fromUtf8(heading);
    StringGrid1->setHorizontalHeaderLabels(headings);
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(StringGrid1);

    new i18n::DialogTexts(QStringLiteral("OpenDialog1"), this,
                          QString::fromUtf8("Senderliste öffnen"),
                          QStringLiteral("List-Datei (*.lst)|*.lst"));
    new i18n::DialogTexts(QStringLiteral("SaveDialog1"), this, QStringLiteral("Speichern unter..."),
                          QStringLiteral("List-Datei (*.lst)|*.lst|Text-Datei (*.txt)|*.txt"));
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
}

void TEditForm::buildMenus() {
    QMenu* file = shell::menu(menuBar(), "File1", QStringLiteral("Datei"));
    shell::item(file, "Open1", QString::fromUtf8("Öffnen..."));
    shell::item(file, "Close1", QString::fromUtf8("Schließen"));
    shell::item(file, "Save1", QStringLiteral("Speichern"));
    shell::item(file, "SaveAs1", QStringLiteral("Speichern unter..."));
    file->addSeparator();
    shell::item(file, "Print1", QStringLiteral("Drucken"));
    shell::item(file, "PrintSetup1", QStringLiteral("Druckereinrichtung..."));
    file->addSeparator();
    shell::item(file, "Exit1", QStringLiteral("Beenden"));

    QMenu* edit = shell::menu(menuBar(), "Edit1", QStringLiteral("Bearbeiten"));
    shell::item(edit, "Cut1", QStringLiteral("Ausschneiden"));
    shell::item(edit, "Copy1", QStringLiteral("Kopieren"));
    shell::item(edit, "Paste1", QString::fromUtf8("Einfügen"));
    edit->addSeparator();
    shell::item(edit, "Find1", QStringLiteral("Kanal suchen..."));
    shell::item(edit, "Find2", QStringLiteral("Frequenz suchen..."));
    shell::item(edit, "Find3", QStringLiteral("Transponder suchen..."));
    shell::item(edit, "Suchewiederholen1", QStringLiteral("Suche wiederholen"));
    edit->addSeparator();
    shell::item(edit, "Transponderbearbeiten1", QStringLiteral("Transponder bearbeiten..."));

    shell::menu(menuBar(), "Ansicht1", QStringLiteral("Ansicht"));
    QMenu* help = shell::menu(menuBar(), "Help1", QStringLiteral("Hilfe"));
    shell::item(help, "UseHelp1", QStringLiteral("Hilfe"));
    shell::item(help, "Info1", QStringLiteral("Info"));

    // The grid's context menu keeps its English design captions until the
    // German texts are applied once.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    shell::item(PopupMenu1, "Cut2", QStringLiteral("Cut"));
    shell::item(PopupMenu1, "Copy2", QStringLiteral("Copy"));
    shell::item(PopupMenu1, "Paste2", QStringLiteral("Paste"));
}

void TEditForm::buildToolBar() {
    auto* panel = new QWidget(centralWidget());
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(33);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const struct {
        const char* name;
        const char* hint;
    } buttons[] = {
        {"FileOpenButton", "Datei öffnen"},
        {"SaveFileButton", "Datei speichern"},
        {"PrintButton", "Senderliste drucken"},
        {"FileCloseButton", "Datei schliessen"},
        {"CutButton", "Kanaldaten ausschneiden"},
        {"CopyButton", "Kanaldaten kopieren"},
        {"PasteButton", "Kanaldaten einfügen"},
        {"FontButton", "Schriftart auswählen"},
        {"TransponderButton", "Transponder bearbeiten"},
    };
    for (const auto& b : buttons)
        row->addWidget(shell::toolButton(panel, b.name, QString::fromUtf8(b.hint)));
    row->addStretch(1);
    static_cast<QVBoxLayout*>(centralWidget()->layout())->addWidget(panel);
}

void TEditForm::applyLanguage(i18n::Language language) {
    i18n::applyWindowTexts(this, i18n::Window::EditForm, language);
}
