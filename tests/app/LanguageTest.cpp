#include "tests/app/WindowFixture.h"

#include "editor/EditForm.h"
#include "help/HelpViewer.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace {
using i18n::Language;

// Every target of the table shows the given language's text (targets without
// one are skipped).
void expectLanguage(AppWindows& windows, Language language) {
    for (const auto& row : i18n::windowTextRows()) {
        const QString expected = i18n::windowText(row, language);
        if (expected.isNull())
            continue;
        QWidget* window = windowFor(windows, row.window);
        EXPECT_EQ(i18n::appliedText(window, row), expected)
            << window->objectName().toStdString() << "." << row.object << " #" << row.index;
    }
}
} // namespace

TEST_F(WindowTest, EveryTableRowFindsItsTarget) {
    start();
    for (const auto& row : i18n::windowTextRows()) {
        QWidget* window = windowFor(*windows, row.window);
        EXPECT_TRUE(i18n::applyText(window, row, QStringLiteral("probe")))
            << window->objectName().toStdString() << "." << row.object;
    }
}

TEST_F(WindowTest, GermanEnglishGermanGivesGermanTexts) {
    start();
    show(fakePorts({1}));
    form().Deutsch1Click();
    form().Englisch1Click();
    expectLanguage(*windows, Language::English);
    EXPECT_EQ(i18n::text(i18n::Msg::PortSettingsHeading),
              QStringLiteral("Current COM-Port Setup:"));
    EXPECT_TRUE(form().Englisch1->isChecked());
    EXPECT_FALSE(form().Deutsch1->isChecked());
    EXPECT_TRUE(form().RichEdit1->toPlainText().startsWith(QStringLiteral("Current COM-Port")));

    form().Deutsch1Click();
    expectLanguage(*windows, Language::German);
    EXPECT_EQ(i18n::text(i18n::Msg::StatusOffline), QStringLiteral("Verbindung OffLine"));
    EXPECT_EQ(form().LanguageId, 2);

    form().Franzsisch1->trigger();
    expectLanguage(*windows, Language::French);
    EXPECT_EQ(form().LanguageId, 3);
    EXPECT_TRUE(form().Franzsisch1->isChecked());
    EXPECT_EQ(help::currentHelpFile(), QStringLiteral("helpfr.chm"));
}

TEST_F(WindowTest, ContextMenuOfTheEditorStaysGermanOnceSet) {
    start();
    auto* cut2 = windows->EditForm->findChild<QAction*>(QStringLiteral("Cut2"));
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
    EXPECT_TRUE(form().RichEdit1->toPlainText().startsWith(QStringLiteral("Current COM-Port")));
}
