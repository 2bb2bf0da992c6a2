// The three help files as the build makes them: each opens, its contents,
// index and links all lead to pages inside it, and every menu caption of the
// main window and the editor appears in the help of its language.
#include "help/HelpBook.h"
#include "i18n/TextTable.h"
#include "tests/help/HelpTestFiles.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QUrl>

using namespace helptest;

TEST(HelpFiles, EachLanguageOpensAndEveryReferenceResolves) {
    for (const LanguageFile& lang : languageFiles) {
        SCOPED_TRACE(lang.file);
        const QString path = builtFile(lang.file);
        ASSERT_TRUE(QFileInfo(path).isFile()) << "not built (is chmcmd installed?)";
        help::HelpBook book;
        ASSERT_EQ(book.open(path), help::HelpBook::Problem::None);
        EXPECT_EQ(book.language(), lang.language);
        ASSERT_GE(book.contents().size(), 10);
        EXPECT_EQ(book.contents().front().name, QString::fromUtf8(lang.title));
        EXPECT_EQ(book.startPage(), QStringLiteral("index.html"));
        ASSERT_GE(book.index().size(), 10);
        EXPECT_NE(&book.index(), &book.contents()); // an index of its own
        for (const auto* list : {&book.contents(), &book.index()}) {
            for (const help::SitemapEntry& entry : *list) {
                const QString inside = help::archivePath(entry.local);
                EXPECT_TRUE(!inside.isEmpty() && book.hasPage(inside)) << entry.local.toStdString();
                const auto page = book.page(inside);
                ASSERT_TRUE(page.has_value());
                for (const QString& link : links(*page)) {
                    const QUrl target = QUrl(QStringLiteral("chm:///")).resolved(QUrl(link));
                    EXPECT_TRUE(book.hasPage(help::archivePath(target.path())))
                        << link.toStdString() << " in " << entry.local.toStdString();
                    if (target.hasFragment() && target.path() != QStringLiteral("/")) {
                        const auto linked = book.page(help::archivePath(target.path()));
                        EXPECT_TRUE(linked &&
                                    linked->contains(("id=\"" + target.fragment() + "\"").toUtf8()))
                            << link.toStdString();
                    }
                }
            }
        }
    }
}

// A command added to a menu without a word in the help fails here.
TEST(HelpFiles, EveryMenuCaptionIsExplainedInItsLanguage) {
    for (const LanguageFile& lang : languageFiles) {
        SCOPED_TRACE(lang.file);
        help::HelpBook book;
        ASSERT_EQ(book.open(builtFile(lang.file)), help::HelpBook::Problem::None);
        const QString text = plainText(book);
        for (const i18n::TextRow& row : i18n::windowTextRows()) {
            if (row.property != i18n::Property::Caption ||
                (row.window != i18n::Window::Form1 && row.window != i18n::Window::EditForm))
                continue;
            QString caption = i18n::rowText(row, lang.language);
            if (caption.isNull())
                caption = i18n::startupText(row); // a caption no language changes
            caption.remove(QLatin1Char('&'));
            EXPECT_TRUE(text.contains(caption)) << row.object << ": " << caption.toStdString();
        }
    }
}
