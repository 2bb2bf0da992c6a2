#include "help/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace help {
namespace {

QString& helpFileSlot() {
    static QString name = QStringLiteral("helpde.chm");
    return name;
}

UrlOpener& openerSlot() {
    static UrlOpener opener; // the help window, once it exists
    return opener;
}

} // namespace

QString currentHelpFile() {
    return helpFileSlot();
}

void setCurrentHelpFile(const QString& name) {
    helpFileSlot() = name;
}

QString resolveHelpFile(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return name;
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    // An installed program lies in bin/, its help files in share/quelvox/help.
    const QString installed = programDir.filePath(QStringLiteral("../share/quelvox/help/") + name);
    return QFileInfo::exists(installed) ? QDir::cleanPath(installed) : beside;
}

bool showContents(const QString& name) {
    if (!name.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive))
        return false;
    const QFileInfo file(resolveHelpFile(name));
    if (!file.isFile())
        return false;
    const UrlOpener& opener = openerSlot();
    return opener && opener(QUrl::fromLocalFile(file.absoluteFilePath()));
}

UrlOpener setUrlOpener(UrlOpener opener) {
    return std::exchange(openerSlot(), std::move(opener));
}

} // namespace help
