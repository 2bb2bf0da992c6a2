#pragma once

#include "help/ChmArchive.h"
#include "help/Sitemap.h"
#include "i18n/Messages.h"

#include <optional>

namespace help {

// One help file as the help window shows it: its table of contents, its index
// (or, without one, the contents again) and its pages. No window.
class HelpBook {
public:
    enum class Problem { None, Missing, NotChm, Damaged, NoContents };

    Problem open(const QString& path);
    void close();

    QString path() const { return path_; }
    QString title() const { return archive_.title(); }
    const QList<SitemapEntry>& contents() const { return contents_; }
    const QList<SitemapEntry>& index() const { return index_.isEmpty() ? contents_ : index_; }
    // The language the file is written in (its locale), if it is one of the
    // program's three.
    std::optional<i18n::Language> language() const;

    // Where the help opens: the first contents entry that exists, else the
    // file's default topic; empty when there is none.
    QString startPage() const;
    // A page or picture by its absolute path in the file ("/start.html").
    std::optional<QByteArray> page(const QString& archivePath) const;
    bool hasPage(const QString& archivePath) const;

private:
    ChmArchive archive_;
    QString path_;
    QList<SitemapEntry> contents_, index_;
};

} // namespace help
