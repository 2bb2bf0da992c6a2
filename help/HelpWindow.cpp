#include "help/HelpWindow.h"

#include "help/HelpPage.h"
#include "ui/ShellBuilder.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace help {
namespace {
constexpr int localRole = Qt::UserRole;
} // namespace

HelpWindow::HelpWindow() : LanguageWindow(i18n::Window::HelpWindow, nullptr, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    // An open help window does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(900, 640);

    back_ = shell::button(this, "BackButton", {});
    forward_ = shell::button(this, "ForwardButton", {});
    QPushButton* contents = shell::button(this, "ContentsButton", {});
    back_->setEnabled(false);
    forward_->setEnabled(false);
    back_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    forward_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("ContentsTree"));
    tree_->setHeaderHidden(true);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("SearchEdit"));
    search_->setClearButtonEnabled(true);
    index_ = new QListWidget(this);
    index_->setObjectName(QStringLiteral("IndexList"));
    page_ = new HelpPage(this);
    page_->setBook(&book_);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents);
    bar->addStretch(1);
    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(tree_, 3);
    sideLayout->addWidget(shell::label(side, "SearchLabel", {}));
    sideLayout->addWidget(search_);
    sideLayout->addWidget(index_, 2);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(page_);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 640});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);

    connect(back_, &QPushButton::clicked, page_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, page_, &QTextBrowser::forward);
    connect(page_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(page_, &QTextBrowser::sourceChanged, this, [this] { markCurrentEntry(); });
    connect(page_, &HelpPage::missingPage, this,
            [this](const QString& local) { showProblem(i18n::Msg::HelpPageMissing, local); });
    connect(contents, &QPushButton::clicked, this, [this] {
        openEntry(book_.startPage());
        tree_->setFocus();
    });
    connect(tree_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openEntry(item->data(0, localRole).toString()); });
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openEntry(item->data(0, localRole).toString()); });
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openEntry(item->data(localRole).toString()); });
    connect(index_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { openEntry(item->data(localRole).toString()); });
    connect(search_, &QLineEdit::textChanged, this, &HelpWindow::fillIndex);

    applyStartupTexts();
    previousOpener_ = setUrlOpener([this](const QUrl& url) { return showFile(url.toLocalFile()); });
}

HelpWindow::~HelpWindow() {
    setUrlOpener(std::move(previousOpener_));
}

bool HelpWindow::showFile(const QString& path) {
    problem_.clear();
    page_->clearHistory();
    page_->clear();
    const HelpBook::Problem problem = book_.open(path);
    if (problem == HelpBook::Problem::Missing)
        return false;
    i18n::applyWindowTexts(this, i18n::Window::HelpWindow, shownLanguage());
    fillContents();
    search_->clear();
    fillIndex({});
    const QString name = QFileInfo(path).fileName();
    if (problem == HelpBook::Problem::NotChm)
        showProblem(i18n::Msg::HelpNotChm, name);
    else if (problem == HelpBook::Problem::Damaged)
        showProblem(i18n::Msg::HelpDamaged, name);
    else if (problem == HelpBook::Problem::NoContents)
        showProblem(i18n::Msg::HelpNoContents, name);
    else
        openEntry(book_.startPage(), true);
    if (!book_.title().isEmpty())
        setWindowTitle(book_.title());
    if (isVisible()) {
        raise();
        activateWindow();
    }
    show();
    tree_->setFocus();
    return true;
}

void HelpWindow::applyLanguage(i18n::Language language) {
    programLanguage_ = language;
    LanguageWindow::applyLanguage(shownLanguage());
    if (!book_.title().isEmpty())
        setWindowTitle(book_.title());
}

i18n::Language HelpWindow::shownLanguage() const {
    return book_.language().value_or(programLanguage_);
}

void HelpWindow::fillContents() {
    tree_->clear();
    std::vector<QTreeWidgetItem*> parents; // the last item of each depth
    for (const SitemapEntry& entry : book_.contents()) {
        const auto depth = std::min<std::size_t>(std::size_t(entry.depth), parents.size());
        parents.resize(depth);
        auto* item = depth == 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.name.isEmpty() ? entry.local : entry.name);
        item->setData(0, localRole, entry.local);
        parents.push_back(item);
    }
    tree_->expandAll();
}

void HelpWindow::fillIndex(const QString& filter) {
    index_->clear();
    for (const SitemapEntry& entry : book_.index()) {
        if (!filter.isEmpty() && !entry.name.contains(filter, Qt::CaseInsensitive))
            continue;
        auto* item = new QListWidgetItem(entry.name, index_);
        item->setData(localRole, entry.local);
    }
}

void HelpWindow::openEntry(const QString& local, bool reload) {
    const QString inside = archivePath(local);
    if (inside.isEmpty() || !book_.hasPage(inside)) {
        showProblem(i18n::Msg::HelpPageMissing, local);
        return;
    }
    const QUrl url = HelpPage::urlOf(local);
    const bool shown = problem_.isEmpty() && page_->source() == url;
    problem_.clear();
    if (!shown)
        page_->setSource(url);
    else if (reload)
        page_->reload(); // the same name in another file
}

void HelpWindow::showProblem(i18n::Msg slot, const QString& detail) {
    problem_ = i18n::textIn(slot, shownLanguage()) + detail;
    page_->setPlainText(problem_);
}

void HelpWindow::markCurrentEntry() {
    const QString current = archivePath(page_->source().path());
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        if (archivePath((*it)->data(0, localRole).toString()) == current) {
            tree_->setCurrentItem(*it);
            return;
        }
    }
}

} // namespace help
