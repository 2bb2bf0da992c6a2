#pragma once

#include "help/HelpBook.h"
#include "i18n/Messages.h"

#include <QByteArray>
#include <QString>

// The help files of the build and what the tests make of them.
namespace helptest {

struct LanguageFile {
    i18n::Language language;
    const char* file;  // "helpde.chm"
    const char* title; // the first entry of its contents
};
inline constexpr LanguageFile languageFiles[] = {
    {i18n::Language::German, "helpde.chm", "Quelvox-Hilfe"},
    {i18n::Language::English, "helpen.chm", "Quelvox Help"},
    {i18n::Language::French, "helpfr.chm", "Aide de Quelvox"},
};

// The built file (build/app/helpxx.chm).
QString builtFile(const char* name);
QByteArray readAll(const QString& path);
// The text of every page the contents name, without markup.
QString plainText(const help::HelpBook& book);
// The internal links (href) of a page, as written.
QStringList links(const QByteArray& page);

} // namespace helptest
