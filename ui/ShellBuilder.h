#pragma once

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

// Small helpers that make named controls: the language table finds every
// control by its component name.
namespace shell {

inline QMenu* menu(QMenuBar* bar, const char* name, const QString& title) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

inline QMenu* submenu(QMenu* parent, const char* name, const QString& title) {
    QMenu* m = parent->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

inline QAction* item(QWidget* menuOrWindow, const char* name, const QString& text) {
    auto* action = new QAction(text, menuOrWindow);
    action->setObjectName(QString::fromLatin1(name));
    menuOrWindow->addAction(action);
    return action;
}

inline QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

inline QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

inline QToolButton* toolButton(QWidget* parent, const char* name, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedSize(33, 33);
    return b;
}

} // namespace shell
