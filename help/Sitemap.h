#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The table of contents (.hhc) and the index (.hhk) of a help file: HTML
// lists of sitemap objects, each with a name and the page it points to.
namespace help {

struct SitemapEntry {
    QString name;
    QString local; // the page inside the help file, as written ("start.html#ports")
    int depth = 0; // 0 for the top level
};

// Reads the entries in document order. Tolerant of the loose HTML these
// files are written in; bounded (at most maxEntries, depth at most maxDepth).
QList<SitemapEntry> parseSitemap(const QByteArray& text);

constexpr int maxSitemapEntries = 20000;
constexpr int maxSitemapDepth = 16;

// A page reference of a sitemap or a link as an absolute path inside the
// archive ("/start.html"), without its anchor; empty when it leaves the
// archive (another scheme, "..", a path that is too long).
QString archivePath(const QString& local);

} // namespace help
