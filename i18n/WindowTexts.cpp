#include "i18n/WindowTexts.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QWidget>

namespace i18n {
namespace {

QObject* findTarget(QWidget* window, const TextRow& row) {
    if (row.object[0] == '\0')
        return window;
    return window->findChild<QObject*>(QString::fromLatin1(row.object));
}

bool setCaption(QObject* target, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(target))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(target))
        action->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(target))
        label->setText(text);
    else
        return false;
    return true;
}

QString caption(QObject* target) {
    if (auto* menu = qobject_cast<QMenu*>(target))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(target))
        return action->text();
    if (auto* button = qobject_cast<QAbstractButton*>(target))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(target))
        return label->text();
    return {};
}

bool setHint(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        // A menu item shows its hint in the status line.
        action->setToolTip(text);
        action->setStatusTip(text);
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        widget->setToolTip(text);
        // A tool button shows a picture: assistive tools name it by its hint.
        if (qobject_cast<QToolButton*>(widget)) {
            widget->setAccessibleName(text);
            widget->setAccessibleDescription(text);
        }
    } else {
        return false;
    }
    return true;
}

QString hint(QObject* target) {
    if (auto* action = qobject_cast<QAction*>(target))
        return action->toolTip();
    if (auto* widget = qobject_cast<QWidget*>(target))
        return widget->toolTip();
    return {};
}

QAbstractItemModel* gridModel(QObject* target) {
    auto* view = qobject_cast<QAbstractItemView*>(target);
    return view ? view->model() : nullptr;
}

} // namespace

bool applyText(QWidget* window, const TextRow& row, const QString& text) {
    QObject* target = findTarget(window, row);
    if (!target)
        return false;
    switch (row.property) {
    case Property::Caption:
        return setCaption(target, text);
    case Property::WindowTitle:
        window->setWindowTitle(text);
        return true;
    case Property::Hint:
        return setHint(target, text);
    case Property::DialogTitle:
    case Property::DialogFilter:
        if (auto* dialog = qobject_cast<DialogTexts*>(target)) {
            (row.property == Property::DialogTitle ? dialog->title : dialog->filter) = text;
            return true;
        }
        return false;
    case Property::Heading:
        if (auto* model = gridModel(target))
            return model->setHeaderData(row.index, Qt::Horizontal, text);
        return false;
    case Property::AccessibleName:
        if (auto* widget = qobject_cast<QWidget*>(target)) {
            widget->setAccessibleName(text);
            return true;
        }
        return false;
    case Property::Message:
        return false; // a slot, not a text of a window
    }
    return false;
}

QString appliedText(QWidget* window, const TextRow& row) {
    QObject* target = findTarget(window, row);
    if (!target)
        return {};
    switch (row.property) {
    case Property::Caption:
        return caption(target);
    case Property::WindowTitle:
        return window->windowTitle();
    case Property::Hint:
        return hint(target);
    case Property::DialogTitle:
    case Property::DialogFilter:
        if (auto* dialog = qobject_cast<DialogTexts*>(target))
            return row.property == Property::DialogTitle ? dialog->title : dialog->filter;
        return {};
    case Property::Heading:
        if (auto* model = gridModel(target))
            return model->headerData(row.index, Qt::Horizontal).toString();
        return {};
    case Property::AccessibleName:
        if (auto* widget = qobject_cast<QWidget*>(target))
            return widget->accessibleName();
        return {};
    case Property::Message:
        return {};
    }
    return {};
}

namespace {
template <typename TextOf> void applyColumn(QWidget* window, Window id, TextOf textOf) {
    for (const auto& row : windowTextRows()) {
        if (row.window != id)
            continue;
        const QString text = textOf(row);
        if (!text.isNull())
            applyText(window, row, text);
    }
}
} // namespace

void applyWindowTexts(QWidget* window, Window id, Language language) {
    applyColumn(window, id, [language](const TextRow& row) { return rowText(row, language); });
}

void applyStartupTexts(QWidget* window, Window id) {
    applyColumn(window, id, [](const TextRow& row) { return startupText(row); });
}

} // namespace i18n
