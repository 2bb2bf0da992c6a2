#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The help adaptor: shows a compiled-HTML help file (".chm") at its table of
// contents in the program's own help window (help/HelpWindow.h).
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

// The call that shows a file: the help window installs itself here while it
// exists (without one nothing opens); tests replace it. Returns the previous one.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener setUrlOpener(UrlOpener opener);

} // namespace help
