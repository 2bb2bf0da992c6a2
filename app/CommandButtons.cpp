#include "app/CommandButtons.h"

#include <QAction>
#include <QToolButton>
#include <QVariant>

namespace {
const char* const heldProperty = "heldOff";
const char* const commandProperty = "command";

void follow(QToolButton* button) {
    auto* command = button->property(commandProperty).value<QAction*>();
    button->setEnabled(command && command->isEnabled() && !button->property(heldProperty).toBool());
}
} // namespace

void bindToCommand(QToolButton* button, QAction* command) {
    button->setProperty(commandProperty, QVariant::fromValue(command));
    QObject::connect(button, &QToolButton::clicked, command, &QAction::trigger);
    QObject::connect(command, &QAction::changed, button, [button] { follow(button); });
    follow(button);
}

void holdOff(QToolButton* button, bool held) {
    button->setProperty(heldProperty, held);
    follow(button);
}
