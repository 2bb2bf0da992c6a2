#pragma once

#include "ui/UserDialogs.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Dialogs for tests: records every box and dialog shown and answers the
// standard dialogs from queues (empty queue: the user cancels).
class FakeDialogs : public UserDialogs {
public:
    struct Shown {
        enum class Kind { Message, Save, Open, Print, Font, Choice, Dialog, Number };
        Kind kind;
        QString caption; // box caption or dialog title (object name of an own dialog)
        QString text;    // box text or dialog filter
        Icon icon = Icon::None;
    };

    void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& defaultSuffix) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QString& filter,
                              bool multiple) override;
    bool printDialog(QWidget* parent, QPrinter& printer) override;
    bool fontDialog(QWidget* parent, QFont& font) override;
    int choice(QWidget* parent, const QString& caption, const QString& text,
               const QStringList& buttons, int escapeButton) override;
    // Answers from numberAnswers (empty: cancel); records caption and label.
    bool number(QWidget* parent, const QString& caption, const QString& label, int minimum,
                int maximum, int& value) override;
    // Records the dialog by its object name; it is not shown.
    int execDialog(QDialog& dialog) override;

    // Answers, used in order.
    std::deque<QString> saveAnswers;
    std::deque<QStringList> openAnswers;
    // A print answer may set up the printer (e.g. to a PDF file); nullptr or
    // an empty queue means cancel.
    std::deque<std::function<void(QPrinter&)>> printAnswers;
    std::deque<QFont> fontAnswers;
    // Button indexes for choice(); an empty queue presses the escape button.
    std::deque<int> choiceAnswers;
    std::deque<int> numberAnswers;
    // What the user does in the next own dialogs run, in order.
    std::deque<std::function<void(QDialog&)>> dialogActions;

    QList<Shown> shown;
    // Just the texts of the message boxes, in order.
    QStringList messageTexts() const;
    // Object names of the own dialogs run, in order.
    QStringList dialogNames() const;
    int count(Shown::Kind kind) const;
    void clear() { shown.clear(); }
};
