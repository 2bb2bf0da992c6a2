#include "tests/help/HelpTestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>

namespace helptest {

QString builtFile(const char* name) {
    return QDir(QStringLiteral(QUELVOX_HELP_DIR)).filePath(QString::fromLatin1(name));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString plainText(const help::HelpBook& book) {
    QSet<QString> seen;
    QString text;
    for (const help::SitemapEntry& entry : book.contents()) {
        const QString path = help::archivePath(entry.local);
        if (path.isEmpty() || seen.contains(path))
            continue;
        seen.insert(path);
        if (const auto page = book.page(path))
            text += QTextDocumentFragment::fromHtml(QString::fromUtf8(*page)).toPlainText() +
                    QLatin1Char('\n');
    }
    return text;
}

QStringList links(const QByteArray& page) {
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QStringList found;
    for (auto it = href.globalMatch(QString::fromUtf8(page)); it.hasNext();)
        found.append(it.next().captured(1));
    return found;
}

} // namespace helptest
