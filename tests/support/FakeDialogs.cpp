#include "tests/support/FakeDialogs.h"

#include <QDialog>

void FakeDialogs::message(QWidget*, const QString& caption, const QString& text, Icon icon) {
    shown.append({Shown::Kind::Message, caption, text, icon});
}

QString FakeDialogs::saveFileName(QWidget*, const QString& title, const QString& filter,
                                  const QString&) {
    shown.append({Shown::Kind::Save, title, filter});
    if (saveAnswers.empty())
        return {};
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

QStringList FakeDialogs::openFileNames(QWidget*, const QString& title, const QString& filter,
                                       bool) {
    shown.append({Shown::Kind::Open, title, filter});
    if (openAnswers.empty())
        return {};
    QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

bool FakeDialogs::printDialog(QWidget*, QPrinter& printer) {
    shown.append({Shown::Kind::Print, {}, {}});
    if (printAnswers.empty())
        return false;
    auto answer = std::move(printAnswers.front());
    printAnswers.pop_front();
    if (!answer)
        return false;
    answer(printer);
    return true;
}

bool FakeDialogs::fontDialog(QWidget*, QFont& font) {
    shown.append({Shown::Kind::Font, {}, {}});
    if (fontAnswers.empty())
        return false;
    font = fontAnswers.front();
    fontAnswers.pop_front();
    return true;
}

QStringList FakeDialogs::messageTexts() const {
    QStringList texts;
    for (const auto& s : shown)
        if (s.kind == Shown::Kind::Message)
            texts << s.text;
    return texts;
}

int FakeDialogs::choice(QWidget*, const QString& caption, const QString& text, const QStringList&,
                        int escapeButton) {
    shown.append({Shown::Kind::Choice, caption, text});
    if (choiceAnswers.empty())
        return escapeButton;
    const int answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

bool FakeDialogs::number(QWidget*, const QString& caption, const QString& label, int, int,
                         int& value) {
    shown.append({Shown::Kind::Number, caption, label});
    if (numberAnswers.empty())
        return false;
    value = numberAnswers.front();
    numberAnswers.pop_front();
    return true;
}

int FakeDialogs::execDialog(QDialog& dialog) {
    shown.append({Shown::Kind::Dialog, dialog.objectName(), {}});
    if (!dialogActions.empty()) {
        auto action = std::move(dialogActions.front());
        dialogActions.pop_front();
        if (action)
            action(dialog);
    }
    return QDialog::Accepted;
}

QStringList FakeDialogs::dialogNames() const {
    QStringList names;
    for (const auto& s : shown)
        if (s.kind == Shown::Kind::Dialog)
            names << s.caption;
    return names;
}

int FakeDialogs::count(Shown::Kind kind) const {
    int n = 0;
    for (const auto& s : shown)
        n += s.kind == kind ? 1 : 0;
    return n;
}
