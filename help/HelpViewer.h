#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The bridge to the platform's help viewer: opens a compiled-HTML help file
// (".chm") with the desktop's default viewer.
namespace help {

// The program's current help file ("helpde.chm" at start; follows the language).
QString currentHelpFile();
void setCurrentHelpFile(const QString& name);

// Where a help file name points: a name without a directory lies beside the
// executable or, for an installed program, in ../share/quelvox/help from
// there; other names are taken as they are.
QString resolveHelpFile(const QString& name);

// Opens the file at its table of contents. Only names ending in ".chm" (any
// letter case) of files that exist are opened; returns whether it was.
bool showContents(const QString& name);

// The call that hands a file to the desktop (QDesktopServices::openUrl by
// default); tests replace it. Returns the previous one.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener setUrlOpener(UrlOpener opener);

} // namespace help
