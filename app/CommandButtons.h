#pragma once

class QAction;
class QToolButton;

// A tool-bar button runs its menu command's action: a click triggers the
// action, and the button is enabled while the action is.
void bindToCommand(QToolButton* button, QAction* command);

// While a transfer runs, the online, send and receive buttons are off though
// their menu items stay usable (those commands refuse by themselves then).
void holdOff(QToolButton* button, bool held);
