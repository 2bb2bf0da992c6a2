// F1 shows the help of the chosen language in the program's own help window;
// the adaptor's refusals; links stay inside the file.
#include "help/HelpWindow.h"
#include "help/HelpPage.h"
#include "help/HelpViewer.h"
#include "tests/app/WindowFixture.h"
#include "tests/help/HelpTestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace helptest;

namespace {

// The built help files beside the test program, where F1 looks for them.
class HelpWindowTest : public WindowTest {
protected:
    static QString beside(const char* name) {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(name));
    }
    void SetUp() override {
        WindowTest::SetUp();
        for (const LanguageFile& lang : languageFiles) {
            QFile::remove(beside(lang.file));
            ASSERT_TRUE(QFile::copy(builtFile(lang.file), beside(lang.file))) << lang.file;
        }
    }
    void TearDown() override {
        for (const LanguageFile& lang : languageFiles)
            QFile::remove(beside(lang.file));
        WindowTest::TearDown();
    }
    help::HelpWindow& helpWindow() { return window<help::HelpWindow>(i18n::Window::HelpWindow); }
};

} // namespace

TEST_F(HelpWindowTest, F1ShowsTheContentsOfTheChosenLanguage) {
    const struct {
        void (TForm1::*choose)();
        const char* file;
        const char* title;
        const char* backCaption;
    } cases[] = {
        {&TForm1::Deutsch1Click, "helpde.chm", "Quelvox-Hilfe", "Zurück"},
        {&TForm1::Englisch1Click, "helpen.chm", "Quelvox Help", "Back"},
        {&TForm1::Franzsisch1Click, "helpfr.chm", "Aide de Quelvox", "Précédent"},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        (form().*c.choose)();
        EXPECT_EQ(help::currentHelpFile(), QString::fromLatin1(c.file));
        action("HelpIndex1")->trigger();
        help::HelpWindow& shown = helpWindow();
        ASSERT_TRUE(shown.isVisible());
        EXPECT_TRUE(shown.book().path().endsWith(QString::fromLatin1(c.file)));
        EXPECT_TRUE(shown.problemText().isEmpty());
        ASSERT_GT(shown.contentsTree()->topLevelItemCount(), 0);
        EXPECT_EQ(shown.contentsTree()->topLevelItem(0)->text(0), QString::fromUtf8(c.title));
        EXPECT_EQ(shown.page()->source(), help::HelpPage::urlOf(QStringLiteral("index.html")));
        EXPECT_TRUE(shown.page()->toPlainText().contains(QString::fromUtf8(c.title)));
        EXPECT_EQ(shown.findChild<QPushButton*>(QStringLiteral("BackButton"))->text(),
                  QString::fromUtf8(c.backCaption));
        EXPECT_EQ(shown.windowTitle(), QString::fromUtf8(c.title));
    }
}

TEST_F(HelpWindowTest, EditorF1OpensTheSameHelp) {
    start();
    form().Englisch1Click();
    QAction* editorHelp =
        window<QWidget>(i18n::Window::EditForm).findChild<QAction*>(QStringLiteral("UseHelp1"));
    ASSERT_NE(editorHelp, nullptr);
    editorHelp->trigger();
    EXPECT_TRUE(helpWindow().isVisible());
    EXPECT_TRUE(helpWindow().book().path().endsWith(QStringLiteral("helpen.chm")));
}

TEST_F(HelpWindowTest, BackForwardIndexAndLinksStayInsideTheFile) {
    start();
    form().Englisch1Click();
    form().HelpIndex1Click();
    help::HelpWindow& shown = helpWindow();
    auto* back = shown.findChild<QPushButton*>(QStringLiteral("BackButton"));
    auto* forward = shown.findChild<QPushButton*>(QStringLiteral("ForwardButton"));
    EXPECT_FALSE(back->isEnabled());

    emit shown.page()->anchorClicked(QUrl(QStringLiteral("start.html#dialout")));
    EXPECT_EQ(shown.page()->source().path(), QStringLiteral("/start.html"));
    EXPECT_TRUE(back->isEnabled());
    emit shown.page()->anchorClicked(QUrl(QStringLiteral("http://example.invalid/")));
    EXPECT_EQ(shown.page()->source().path(), QStringLiteral("/start.html"));
    EXPECT_FALSE(shown.page()
                     ->loadResource(QTextDocument::HtmlResource,
                                    QUrl(QStringLiteral("http://example.invalid/")))
                     .isValid());
    back->click();
    EXPECT_EQ(shown.page()->source().path(), QStringLiteral("/index.html"));
    EXPECT_TRUE(forward->isEnabled());

    shown.findChild<QLineEdit*>(QStringLiteral("SearchEdit"))->setText(QStringLiteral("dialout"));
    ASSERT_EQ(shown.indexList()->count(), 1);
    emit shown.indexList()->itemClicked(shown.indexList()->item(0));
    EXPECT_EQ(shown.page()->source().path(), QStringLiteral("/start.html"));

    emit shown.page()->anchorClicked(QUrl(QStringLiteral("gone.html")));
    EXPECT_TRUE(shown.problemText().endsWith(QStringLiteral("/gone.html")));
}

TEST_F(HelpWindowTest, NothingOpensWithoutAChmFile) {
    start();
    QDir here(QCoreApplication::applicationDirPath());
    QFile text(here.filePath(QStringLiteral("help.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(readAll(builtFile("helpen.chm"))); // a help file's bytes under another name
    text.close();
    QFile::remove(here.filePath(QStringLiteral("helpfr.chm")));

    for (const QString& name : {QString(), QStringLiteral("help.txt"), QStringLiteral("helpfr.chm"),
                                here.filePath(QStringLiteral("missing.chm"))}) {
        EXPECT_FALSE(help::showContents(name)) << name.toStdString();
        EXPECT_FALSE(helpWindow().isVisible()) << name.toStdString();
    }
    text.remove();
    // Any letter case of the ending opens.
    ASSERT_TRUE(QFile::copy(builtFile("helpde.chm"), here.filePath(QStringLiteral("Upper.CHM"))));
    EXPECT_TRUE(help::showContents(QStringLiteral("Upper.CHM")));
    EXPECT_TRUE(helpWindow().isVisible());
    QFile::remove(here.filePath(QStringLiteral("Upper.CHM")));
}
