#include "ui/QtUserDialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

void QtUserDialogs::message(QWidget* parent, const QString& caption, const QString& text,
                            Icon icon) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    box.exec();
}

QString QtUserDialogs::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, QString(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList QtUserDialogs::openFileNames(QWidget* parent, const QString& title,
                                         const QString& filter, bool multiple) {
    QFileDialog dialog(parent, title, QString(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

bool QtUserDialogs::printDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUserDialogs::fontDialog(QWidget* parent, QFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

int QtUserDialogs::choice(QWidget* parent, const QString& caption, const QString& text,
                          const QStringList& buttons, int escapeButton) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton*> added;
    for (const QString& label : buttons)
        added << box.addButton(label, QMessageBox::AcceptRole);
    if (escapeButton >= 0 && escapeButton < added.size())
        box.setEscapeButton(added[escapeButton]);
    if (!added.isEmpty())
        box.setDefaultButton(static_cast<QPushButton*>(added.first()));
    box.exec();
    const qsizetype index = added.indexOf(box.clickedButton());
    return index >= 0 ? static_cast<int>(index) : escapeButton;
}

int QtUserDialogs::execDialog(QDialog& dialog) {
    return dialog.exec();
}

QString qtFileFilter(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        filters << (description.contains(pattern)
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    if (parts.size() % 2 == 1 && !parts.constLast().isEmpty())
        filters << parts.constLast();
    return filters.join(QStringLiteral(";;"));
}

bool QtUserDialogs::number(QWidget* parent, const QString& caption, const QString& label,
                           int minimum, int maximum, int& value) {
    bool ok = false;
    const int typed = QInputDialog::getInt(parent, caption, label, value, minimum, maximum, 1, &ok);
    if (ok)
        value = typed;
    return ok;
}
