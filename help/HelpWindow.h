#pragma once

#include "help/HelpBook.h"
#include "help/HelpViewer.h"
#include "ui/LanguageWindow.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace help {

class HelpPage;

// The help window: a help file's table of contents, the page, back and
// forward, and its index filtered by what is typed into the search field.
// Its texts follow the language the file is written in. While it exists the
// help adaptor shows files here.
class HelpWindow : public ui::LanguageWindow<QWidget> {
    Q_OBJECT
public:
    HelpWindow();
    ~HelpWindow() override;

    // Opens the file at its contents and shows the window; a file that cannot
    // be shown gives a message in the window. False when nothing was shown.
    bool showFile(const QString& path);

    void applyLanguage(i18n::Language language) override;

    const HelpBook& book() const { return book_; }
    HelpPage* page() const { return page_; }
    QTreeWidget* contentsTree() const { return tree_; }
    QListWidget* indexList() const { return index_; }
    // The message shown instead of a page; empty while a page is shown.
    QString problemText() const { return problem_; }

private:
    void fillContents();
    void fillIndex(const QString& filter);
    // A click and an activation of the same entry load it once; reload loads
    // it again all the same (the same page name in another file).
    void openEntry(const QString& local, bool reload = false);
    void showProblem(i18n::Msg slot, const QString& detail);
    void markCurrentEntry();
    i18n::Language shownLanguage() const;

    HelpBook book_;
    HelpPage* page_;
    QTreeWidget* tree_;
    QListWidget* index_;
    QLineEdit* search_;
    QPushButton* back_;
    QPushButton* forward_;
    QString problem_;
    i18n::Language programLanguage_ = i18n::Language::German;
    UrlOpener previousOpener_;
};

} // namespace help
