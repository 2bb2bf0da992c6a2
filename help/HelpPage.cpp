#include "help/HelpPage.h"

#include "help/HelpBook.h"

#include <QImage>
#include <QTextDocument>

namespace help {

HelpPage::HelpPage(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpPage"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpPage::follow);
}

QUrl HelpPage::urlOf(const QString& local) {
    return QUrl(QStringLiteral("chm:///")).resolved(QUrl(local));
}

QVariant HelpPage::loadResource(int type, const QUrl& url) {
    if (!book_ || url.scheme() != QLatin1String("chm"))
        return {};
    const QString inside = archivePath(url.path());
    const std::optional<QByteArray> bytes = inside.isEmpty() ? std::nullopt : book_->page(inside);
    if (!bytes)
        return {};
    if (type == QTextDocument::ImageResource) {
        QImage image;
        image.loadFromData(*bytes);
        return image;
    }
    return *bytes; // QTextBrowser reads the page's own charset
}

void HelpPage::follow(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (target.scheme() != QLatin1String("chm") || !book_)
        return;
    if (target.path() == source().path() && target.hasFragment()) {
        setSource(target);
        return;
    }
    const QString inside = archivePath(target.path());
    if (inside.isEmpty() || !book_->hasPage(inside)) {
        emit missingPage(target.path());
        return;
    }
    setSource(target);
}

} // namespace help
