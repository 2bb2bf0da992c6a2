#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;
class QFont;
class QWidget;

// Every modal box and standard dialog of the program goes through this
// interface, so tests can answer them without blocking. QtUserDialogs shows
// the real ones.
class UserDialogs {
public:
    enum class Icon { None, Warning, Information };

    virtual ~UserDialogs() = default;

    // A message box with an OK button. Icon::None with caption "Quelvox" is the
    // plain message; the others are the warning and information boxes.
    virtual void message(QWidget* parent, const QString& caption, const QString& text,
                         Icon icon) = 0;

    // Standard file dialogs; filter in the "Text (*.ext)|*.ext|..." form of the
    // language table. An empty result (or list) means the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter,
                                      bool multiple) = 0;

    // Print and font dialogs: true when the user confirmed.
    virtual bool printDialog(QWidget* parent, QPrinter& printer) = 0;
    virtual bool fontDialog(QWidget* parent, QFont& font) = 0;

    // A question box with a button per text (left to right); returns the
    // index of the button pressed, escapeButton when the box was closed.
    virtual int choice(QWidget* parent, const QString& caption, const QString& text,
                       const QStringList& buttons, int escapeButton) = 0;

    // An input box for a whole number within minimum..maximum, starting at
    // value; false (value unchanged) when the user cancelled.
    virtual bool number(QWidget* parent, const QString& caption, const QString& label, int minimum,
                        int maximum, int& value) = 0;

    // One of the program's own modal dialogs (the editor's warnings): shown
    // and run until closed; returns its result code.
    virtual int execDialog(QDialog& dialog) = 0;
};

// Plain message: caption is the application title "Quelvox", no icon.
inline void plainMessage(UserDialogs& dialogs, QWidget* parent, const QString& text) {
    dialogs.message(parent, QStringLiteral("Quelvox"), text, UserDialogs::Icon::None);
}
