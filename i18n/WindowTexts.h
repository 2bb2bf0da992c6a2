#pragma once

#include "i18n/Messages.h"

#include <QObject>
#include <QString>

#include <span>

class QWidget;

// Captions, hints, window titles, dialog titles and filters and grid headings
// of every window, one row per target with its start-up text and the three
// languages side by side. A window writes the start-up column into its targets
// when it is built; a language switch writes one column into all targets, and
// a target without a text in that language keeps what it had.
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
};

enum class Property {
    Caption,      // menu title, menu item, button or label text
    WindowTitle,  // the window's own title (object empty)
    Hint,         // tooltip of a button
    DialogTitle,  // title of a standard dialog (a DialogTexts object)
    DialogFilter, // filter of a standard dialog (a DialogTexts object)
    Heading,      // a column heading of a grid (index = column)
    AccessibleName, // what assistive tools call a control that shows no caption
};

struct WindowTextRow {
    Window window;
    const char* object; // component name; "" for the window itself
    Property property;
    int index;         // heading column, else 0
    const char* start; // UTF-8; nullptr: the German text
    const char* de;    // UTF-8; nullptr: this language leaves the target alone
    const char* en;
    const char* fr;
};

// All rows, window by window in the order the language routines set them.
std::span<const WindowTextRow> windowTextRows();

// The row's text in a language; a null QString when that language sets none.
QString windowText(const WindowTextRow& row, Language language);
// The text the target shows from the window's construction until the first
// language switch; a null QString when the row has none.
QString startupText(const WindowTextRow& row);

// The texts of a standard dialog that goes through UserDialogs: a named child
// object of the window that keeps the dialog's title and filter.
class DialogTexts : public QObject {
    Q_OBJECT
public:
    DialogTexts(const QString& name, QObject* parent, const QString& startTitle,
                const QString& startFilter)
        : QObject(parent), title(startTitle), filter(startFilter) {
        setObjectName(name);
    }
    QString title;
    QString filter;
};

// Writes one text into the window's widget tree: the named child is a menu,
// an action, a button, a label, a DialogTexts or an item view (headings).
// Returns false when the target does not exist in this window.
bool applyText(QWidget* window, const WindowTextRow& row, const QString& text);
// Reads it back (for checks); a null QString when the target does not exist.
QString appliedText(QWidget* window, const WindowTextRow& row);

// Writes one language's column into every target of one window.
void applyWindowTexts(QWidget* window, Window id, Language language);
// Writes the start-up column into every target of one window.
void applyStartupTexts(QWidget* window, Window id);

} // namespace i18n
