#pragma once

#include <QTextBrowser>

namespace help {

class HelpBook;

// The page view of the help window: shows pages and pictures of one help file
// and nothing else. Links to other schemes are not followed and nothing is
// fetched from outside the file; QTextBrowser runs no scripts.
class HelpPage : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpPage(QWidget* parent = nullptr);

    void setBook(const HelpBook* book) { book_ = book; }
    // The address of a page of the file: chm:///start.html#ports.
    static QUrl urlOf(const QString& local);

    QVariant loadResource(int type, const QUrl& url) override;

signals:
    // A link to a page the file does not hold.
    void missingPage(const QString& local);

private:
    void follow(const QUrl& link);

    const HelpBook* book_ = nullptr;
};

} // namespace help
