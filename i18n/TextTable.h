#pragma once

#include "i18n/Messages.h"

#include <QString>

#include <span>

// The text table: one row per target with its start-up text and the three
// languages side by side. A target is a text of a window (caption, title,
// hint, dialog title or filter, grid heading, accessible name) or a message
// slot that the program reads when it shows a message. The window rows come
// first, window by window in the order the language routines set them; the
// message rows follow in the order of Msg.
namespace i18n {

enum class Window {
    Form1,
    Form2,
    Suche,
    EditForm,
    FavForm,
    Warnung1,
    Warnung2,
    Warnung3,
    Warnung4,
    EditTransponder,
    HelpWindow,
    Messages, // the rows of the message slots
};

enum class Property {
    Caption,        // menu title, menu item, button or label text
    WindowTitle,    // the window's own title (object empty)
    Hint,           // tooltip of a button
    DialogTitle,    // title of a standard dialog (a DialogTexts object)
    DialogFilter,   // filter of a standard dialog (a DialogTexts object)
    Heading,        // a column heading of a grid (index = column)
    AccessibleName, // what assistive tools call a control that shows no caption
    Message,        // a message slot (index = the Msg value)
};

struct TextRow {
    Window window;
    const char* object; // component name; "" for the window itself or a slot
    Property property;
    int index;         // heading column, message slot, else 0
    const char* start; // UTF-8; nullptr: the German text
    const char* de;    // UTF-8; nullptr: this language leaves the target alone
    const char* en;
    const char* fr;
};

std::span<const TextRow> windowTextRows();
std::span<const TextRow> messageRows(); // messageRows()[i] is the row of Msg i

// The row's text in a language; a null QString when that language sets none.
QString rowText(const TextRow& row, Language language);
// The text the target shows until the first language switch; a null QString
// when the row has none.
QString startupText(const TextRow& row);

} // namespace i18n
