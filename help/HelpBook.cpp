#include "help/HelpBook.h"

namespace help {

HelpBook::Problem HelpBook::open(const QString& path) {
    close();
    path_ = path;
    switch (archive_.open(path)) {
    case ChmArchive::Status::Ok:
        break;
    case ChmArchive::Status::Missing:
        return Problem::Missing;
    case ChmArchive::Status::NotChm:
        return Problem::NotChm;
    case ChmArchive::Status::Damaged:
        return Problem::Damaged;
    }
    const auto sitemap = [this](const QString& name) {
        const QString inside = archivePath(name);
        const std::optional<QByteArray> bytes = inside.isEmpty() ? std::nullopt : page(inside);
        return bytes ? parseSitemap(*bytes) : QList<SitemapEntry>();
    };
    contents_ = sitemap(archive_.contentsFile());
    index_ = sitemap(archive_.indexFile());
    return contents_.isEmpty() ? Problem::NoContents : Problem::None;
}

void HelpBook::close() {
    contents_.clear();
    index_.clear();
    path_.clear();
}

std::optional<i18n::Language> HelpBook::language() const {
    switch (archive_.localeId() & 0x3FF) { // the primary language of a Windows locale
    case 0x07:
        return i18n::Language::German;
    case 0x09:
        return i18n::Language::English;
    case 0x0C:
        return i18n::Language::French;
    default:
        return std::nullopt;
    }
}

QString HelpBook::startPage() const {
    for (const SitemapEntry& entry : contents_) {
        const QString inside = archivePath(entry.local);
        if (!inside.isEmpty() && hasPage(inside))
            return entry.local;
    }
    const QString topic = archivePath(archive_.defaultTopic());
    return !topic.isEmpty() && hasPage(topic) ? archive_.defaultTopic() : QString();
}

std::optional<QByteArray> HelpBook::page(const QString& archivePath) const {
    return archive_.read(archivePath);
}

bool HelpBook::hasPage(const QString& archivePath) const {
    return archive_.contains(archivePath);
}

} // namespace help
