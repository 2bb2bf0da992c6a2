#pragma once

#include "i18n/TextTable.h"

#include <QObject>
#include <QString>

#include <span>

class QWidget;

// How the window rows of the text table reach the widgets. A window writes
// the start-up column into its targets when it is built; a language switch
// writes one column into all targets, and a target without a text in that
// language keeps what it had.
namespace i18n {

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
bool applyText(QWidget* window, const TextRow& row, const QString& text);
// Reads it back (for checks); a null QString when the target does not exist.
QString appliedText(QWidget* window, const TextRow& row);

// Writes one language's column into every target of one window.
void applyWindowTexts(QWidget* window, Window id, Language language);
// Writes the start-up column into every target of one window.
void applyStartupTexts(QWidget* window, Window id);

} // namespace i18n
