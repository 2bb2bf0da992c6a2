#include "help/Sitemap.h"

#include <QRegularExpression>
#include <QStringList>

namespace help {
namespace {

QString decodeEntities(QString text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    static const QRegularExpression entity(QStringLiteral("&(#x?[0-9a-fA-F]{1,6}|\\w{1,8});"));
    QString out;
    qsizetype last = 0;
    auto it = entity.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(QLatin1Char('#')))
            code = name.mid(1).toUInt();
        else if (name == QLatin1String("amp"))
            code = '&';
        else if (name == QLatin1String("lt"))
            code = '<';
        else if (name == QLatin1String("gt"))
            code = '>';
        else if (name == QLatin1String("quot"))
            code = '"';
        else if (name == QLatin1String("apos"))
            code = '\'';
        if (code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF))
            out += QString::fromUcs4(&code, 1);
        else
            out += m.captured(0);
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

QString attribute(const QString& attributes, const QString& name) {
    const QRegularExpression re(
        QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(attributes);
    if (!m.hasMatch())
        return {};
    for (int i = 1; i <= 3; ++i)
        if (m.capturedStart(i) >= 0)
            return decodeEntities(m.captured(i));
    return {};
}

QString decodeText(const QByteArray& bytes) {
    const QString utf8 = QString::fromUtf8(bytes);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : utf8;
}

} // namespace

QList<SitemapEntry> parseSitemap(const QByteArray& bytes) {
    const QString text = decodeText(bytes);
    static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*([A-Za-z]+)([^>]*)>"));
    QList<SitemapEntry> entries;
    int depth = -1; // the first <UL> opens the top level
    bool inObject = false;
    SitemapEntry current;
    auto it = tag.globalMatch(text);
    while (it.hasNext() && entries.size() < maxSitemapEntries) {
        const auto m = it.next();
        const bool closing = !m.capturedView(1).isEmpty();
        const QString name = m.captured(2).toLower();
        if (name == QLatin1String("ul")) {
            depth += closing ? -1 : 1;
            depth = std::clamp(depth, -1, maxSitemapDepth);
        } else if (name == QLatin1String("object")) {
            if (!closing) {
                inObject = true;
                current = SitemapEntry{{}, {}, std::max(depth, 0)};
            } else if (inObject) {
                inObject = false;
                if (!current.name.isEmpty() || !current.local.isEmpty())
                    entries.append(current);
            }
        } else if (name == QLatin1String("param") && inObject) {
            const QString attributes = m.captured(3);
            const QString key = attribute(attributes, QStringLiteral("name")).toLower();
            const QString value = attribute(attributes, QStringLiteral("value"));
            if (key == QLatin1String("name") && current.name.isEmpty())
                current.name = value.trimmed();
            else if (key == QLatin1String("local") && current.local.isEmpty())
                current.local = value.trimmed();
        }
    }
    return entries;
}

QString archivePath(const QString& local) {
    QString path = local.trimmed();
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        path.truncate(hash);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || path.size() > 500)
        return {};
    // A scheme other than the file's own leaves the archive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (scheme.match(path).hasMatch())
        return {};
    QStringList parts;
    for (const QString& part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return {};
        parts.append(part);
    }
    if (parts.isEmpty())
        return {};
    return QLatin1Char('/') + parts.join(QLatin1Char('/'));
}

} // namespace help
