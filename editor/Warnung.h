#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>

// The four warning dialogs of the editor: a title, "ACHTUNG!" and two or
// three lines of text, closed with OK.
class TWarnung : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
protected:
    TWarnung(i18n::Window id, const QString& objectName, int lines, QWidget* parent);
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
