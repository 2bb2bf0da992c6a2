#pragma once

#include "ui/UserDialogs.h"

// The real boxes and standard dialogs.
class QtUserDialogs : public UserDialogs {
public:
    void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter,
                              bool multiple) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool fontDialog(QWidget* parent, QFont& font) override;
    int choice(QWidget* parent, const QString& caption, const QString& text,
               const QStringList& buttons, int escapeButton) override;
    bool number(QWidget* parent, const QString& caption, const QString& label, int minimum,
                int maximum, int& value) override;
    int execDialog(QDialog& dialog) override;
};

// "Text (*.ext)|*.ext|Other (*.x)|*.x" -> "Text (*.ext);;Other (*.x)": the
// description of each pair, with the pattern added in brackets when the
// description does not show it.
QString qtFileFilter(const QString& pairs);
