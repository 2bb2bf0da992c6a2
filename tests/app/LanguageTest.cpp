#include "tests/app/WindowFixture.h"

#include "editor/EditForm.h"
#include "editor/Suche.h"
#include "help/HelpViewer.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>

namespace {
using i18n::Language;

// Every target of the table shows the given language's text (targets without
// one are skipped).
void expectLanguage(const ui::WindowRegistry& windows, Language language) {
    for (const auto& row : i18n::windowTextRows()) {
        const QString expected = i18n::rowText(row, language);
        if (expected.isNull())
            continue;
        QWidget* window = windows.window(row.window);
        EXPECT_EQ(i18n::appliedText(window, row), expected)
            << window->objectName().toStdString() << "." << row.object << " #" << row.index;
    }
}
} // namespace

TEST_F(WindowTest, WindowsAreBuiltOnceInOrder) {
    start();
    using enum i18n::Window;
    const i18n::Window order[] = {Form1,    Form2,   Suche,    Warnung1,        Warnung2,  Warnung3,
                                  Warnung4, FavForm, EditForm, EditTransponder, HelpWindow};
    const auto entries = windows->registry().entries();
    ASSERT_EQ(entries.size(), std::size(order));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].id, order[i]) << i;
        EXPECT_EQ(entries[i].texts->languageId(), order[i]) << i;
    }
    EXPECT_EQ(entries[0].window, &form());
}

TEST_F(WindowTest, ASecondWindowUnderOneIdIsRefused) {
    // It would never get its texts; the registry does not keep it either.
    ui::WindowRegistry registry;
    registry.add(std::make_unique<TSuche>());
    EXPECT_THROW(registry.add(std::make_unique<TSuche>()), std::logic_error);
    EXPECT_EQ(registry.entries().size(), 1u);
}

TEST_F(WindowTest, EveryTableRowFindsItsTargetWithItsStartupText) {
    start();
    for (const auto& row : i18n::windowTextRows()) {
        QWidget* window = windows->registry().window(row.window);
        const QString startup = i18n::startupText(row);
        if (!startup.isNull()) {
            EXPECT_EQ(i18n::appliedText(window, row), startup)
                << window->objectName().toStdString() << "." << row.object << " #" << row.index;
        }
    }
    for (const auto& row : i18n::windowTextRows()) {
        QWidget* window = windows->registry().window(row.window);
        EXPECT_TRUE(i18n::applyText(window, row, QStringLiteral("probe")))
            << window->objectName().toStdString() << "." << row.object;
    }
}

TEST_F(WindowTest, GermanEnglishGermanGivesGermanTexts) {
    start();
    show(fakePorts({1}));
    form().Deutsch1Click();
    form().Englisch1Click();
    expectLanguage(windows->registry(), Language::English);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(i18n::text(i18n::Msg::PortSettingsHeading),
              QStringLiteral("Current COM-Port Setup:"));
    EXPECT_TRUE(action("Englisch1")->isChecked());
    EXPECT_FALSE(action("Deutsch1")->isChecked());
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Current COM-Port")));

    form().Deutsch1Click();
    expectLanguage(windows->registry(), Language::German);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(i18n::text(i18n::Msg::StatusOffline), QStringLiteral("Verbindung OffLine"));
    EXPECT_EQ(form().settings().LanguageId, 2);

    action("Franzsisch1")->trigger();
    expectLanguage(windows->registry(), Language::French);
    // Qt's own dialogs and buttons follow.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
    EXPECT_EQ(form().settings().LanguageId, 3);
    EXPECT_TRUE(action("Franzsisch1")->isChecked());
    EXPECT_EQ(help::currentHelpFile(), QStringLiteral("helpfr.chm"));
}

// The table checks itself above; these rows hold the texts as the windows must
// show them, so a row whose columns slipped is caught.
TEST_F(WindowTest, WarningTextsInEachLanguage) {
    start();
    const struct {
        void (TForm1::*command)();
        i18n::Window window;
        const char* label;
        const char* text;
    } rows[] = {
        {&TForm1::Deutsch1Click, i18n::Window::Warnung3, "Label2",
         "Um einen Kanal zu bearbeiten, müssen Sie die gesamte Zeile markieren."},
        {&TForm1::Englisch1Click, i18n::Window::Warnung3, "Label3",
         "Editting cells or fields out of the channel list is not possible!"},
        {&TForm1::Franzsisch1Click, i18n::Window::Warnung4, "Label2",
         "Si vous choisissez un poste d'insertion à l'extérieur de la liste d'émetteur,"},
        {&TForm1::Deutsch1Click, i18n::Window::Warnung4, "Label3",
         "wird der Kanal automatisch an das Ende der Liste angefügt!"},
    };
    for (const auto& row : rows) {
        (form().*row.command)();
        auto* label = windows->registry()
                          .window(row.window)
                          ->findChild<QLabel*>(QString::fromLatin1(row.label));
        ASSERT_NE(label, nullptr) << row.label;
        EXPECT_EQ(label->text(), QString::fromUtf8(row.text));
    }
}

TEST_F(WindowTest, ContextMenuOfTheEditorStaysGermanOnceSet) {
    start();
    auto* cut2 = windows->registry()
                     .window(i18n::Window::EditForm)
                     ->findChild<QAction*>(QStringLiteral("Cut2"));
    ASSERT_NE(cut2, nullptr);
    EXPECT_EQ(cut2->text(), QStringLiteral("Cut"));
    form().Englisch1Click();
    EXPECT_EQ(cut2->text(), QStringLiteral("Cut")); // English sets no text
    form().Deutsch1Click();
    form().Englisch1Click();
    EXPECT_EQ(cut2->text(), QStringLiteral("Ausschneiden"));
}

TEST_F(WindowTest, LanguageSwitchWhileReportingKeepsTheStatusLine) {
    start();
    show(fakePorts({1}));
    form().setStatusText(QStringLiteral("Verbindung OnLine: COM1, 115200"));
    form().Englisch1Click();
    EXPECT_EQ(form().statusText(), QStringLiteral("Verbindung OnLine: COM1, 115200"));
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Current COM-Port")));
}

namespace {
// Labels whose text comes from data (the open file, the status, the settings
// file), not from the text table: they may be empty.
bool showsData(const QWidget* widget) {
    static const QStringList names = {"StatusBar1", "StatusPath", "StatusText",
                                      "Comment",    "Footer",     "Image1"};
    return names.contains(widget->objectName());
}

// What an assistive tool calls the control: its own accessible name, else
// the text of a label that names it as its buddy, else what Qt derives from
// the control (a button's caption).
QString accessibleNameOf(QWidget* control) {
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    for (auto* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

bool isControl(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QComboBox*>(widget) ||
           (qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QHeaderView*>(widget)) ||
           qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QProgressBar*>(widget);
}

// The width a button needs to show its caption uncut.
int neededWidth(QAbstractButton* button, const QString& caption) {
    const int text = QFontMetrics(button->font()).horizontalAdvance(caption);
    if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button))
        return button->sizeHint().width();
    return text + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
}

QString withoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}
} // namespace

// In every language every visible label and button of every window shows a
// text that fits, and every control has a name in that language.
TEST_F(WindowTest, EveryVisibleTextFitsAndEveryControlIsNamed) {
    writeSettings(1, 115200, 2);
    start();
    show(fakePorts({1}));
    for (auto command :
         {&TForm1::Englisch1Click, &TForm1::Franzsisch1Click, &TForm1::Deutsch1Click}) {
        (form().*command)();
        for (const auto& entry : windows->registry().entries()) {
            QWidget* window = entry.window;
            window->show();
            QCoreApplication::processEvents();
            const std::string where = window->objectName().toStdString();
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(window) || widget->window() != window)
                    continue;
                const std::string name = where + "." + widget->metaObject()->className() + " " +
                                         widget->objectName().toStdString();
                if (auto* label = qobject_cast<QLabel*>(widget); label && !showsData(label)) {
                    EXPECT_FALSE(label->text().isEmpty()) << name;
                    EXPECT_GE(label->contentsRect().width(),
                              QFontMetrics(label->font()).horizontalAdvance(label->text()))
                        << name << " cuts \"" << label->text().toStdString() << '"';
                }
                auto* button = qobject_cast<QAbstractButton*>(widget);
                if (button && !button->text().isEmpty()) {
                    const QString caption = withoutMnemonic(button->text());
                    EXPECT_GE(button->width(), neededWidth(button, caption))
                        << name << " cuts \"" << caption.toStdString() << '"';
                }
                if (auto* grid = qobject_cast<QTableView*>(widget)) {
                    QHeaderView* header = grid->horizontalHeader();
                    const QFontMetrics metrics(header->font());
                    const int margins =
                        2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
                    for (int c = 0; c < grid->model()->columnCount(); ++c) {
                        const QString heading =
                            grid->model()->headerData(c, Qt::Horizontal).toString();
                        if (!grid->isColumnHidden(c)) {
                            EXPECT_GE(grid->columnWidth(c),
                                      metrics.horizontalAdvance(heading) + margins)
                                << name << " cuts \"" << heading.toStdString() << '"';
                        }
                    }
                }
                if (isControl(widget)) {
                    EXPECT_FALSE(accessibleNameOf(widget).isEmpty()) << name << " has no name";
                }
                if (auto* tool = qobject_cast<QToolButton*>(widget);
                    tool && !tool->toolTip().isEmpty()) {
                    EXPECT_EQ(tool->accessibleName(), tool->toolTip()) << name;
                    EXPECT_EQ(tool->accessibleDescription(), tool->toolTip()) << name;
                }
            }
            window->hide();
        }
    }
}

// Assistive tools read the channel table's headings as column headers.
TEST_F(WindowTest, ChannelTableHeadingsAreColumnHeaders) {
    start();
    form().Englisch1Click();
    auto* grid = windows->registry()
                     .window(i18n::Window::EditForm)
                     ->findChild<QTableView*>(QStringLiteral("StringGrid1"));
    ASSERT_NE(grid, nullptr);
    grid->window()->show();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
    ASSERT_NE(face, nullptr);
    ASSERT_NE(face->tableInterface(), nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Channel list"));
    // The header row comes first among the table's children.
    QStringList headers;
    for (int i = 0; i < 20 && i < face->childCount(); ++i)
        if (QAccessibleInterface* child = face->child(i);
            child && child->role() == QAccessible::ColumnHeader)
            headers << child->text(QAccessible::Name);
    QStringList headings;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        headings << grid->model()->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(headers, headings);
    EXPECT_EQ(grid->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Frequency"));
}
