#include "tests/app/WindowFixture.h"

#include "editor/EditForm.h"
#include "editor/Suche.h"
#include "help/HelpViewer.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace {
using i18n::Language;

// Every target of the table shows the given language's text (targets without
// one are skipped).
void expectLanguage(const ui::WindowRegistry& windows, Language language) {
    for (const auto& row : i18n::windowTextRows()) {
        const QString expected = i18n::windowText(row, language);
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
    const i18n::Window order[] = {Form1,    Form2,    Suche,   Warnung1, Warnung2,
                                  Warnung3, Warnung4, FavForm, EditForm, EditTransponder};
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
    EXPECT_EQ(i18n::text(i18n::Msg::PortSettingsHeading),
              QStringLiteral("Current COM-Port Setup:"));
    EXPECT_TRUE(action("Englisch1")->isChecked());
    EXPECT_FALSE(action("Deutsch1")->isChecked());
    EXPECT_TRUE(control<QPlainTextEdit>("RichEdit1")
                    ->toPlainText()
                    .startsWith(QStringLiteral("Current COM-Port")));

    form().Deutsch1Click();
    expectLanguage(windows->registry(), Language::German);
    EXPECT_EQ(i18n::text(i18n::Msg::StatusOffline), QStringLiteral("Verbindung OffLine"));
    EXPECT_EQ(form().settings().LanguageId, 2);

    action("Franzsisch1")->trigger();
    expectLanguage(windows->registry(), Language::French);
    EXPECT_EQ(form().settings().LanguageId, 3);
    EXPECT_TRUE(action("Franzsisch1")->isChecked());
    EXPECT_EQ(help::currentHelpFile(), QStringLiteral("helpfr.chm"));
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
