#pragma once

#include "i18n/Messages.h"
#include "i18n/WindowTexts.h"

#include <QDialog>
#include <QStringList>

// The four warning dialogs of the editor: a title, "ACHTUNG!" and two or
// three lines of text, closed with OK.
class TWarnung : public QDialog {
    Q_OBJECT
public:
    void applyLanguage(i18n::Language language);

protected:
    TWarnung(i18n::Window id, const QString& objectName, const QStringList& lines, QWidget* parent);

private:
    i18n::Window id_;
};

class TWarnung1 : public TWarnung {
    Q_OBJECT
public:
    explicit TWarnung1(QWidget* parent = nullptr);
};

class TWarnung2 : public TWarnung {
    Q_OBJECT
public:
    explicit TWarnung2(QWidget* parent = nullptr);
};

class TWarnung3 : public TWarnung {
    Q_OBJECT
public:
    explicit TWarnung3(QWidget* parent = nullptr);
};

class TWarnung4 : public TWarnung {
    Q_OBJECT
public:
    explicit TWarnung4(QWidget* parent = nullptr);
};
