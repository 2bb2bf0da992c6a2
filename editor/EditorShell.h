#pragma once

#include "editor/EditForm.h"

class ChannelTableModel;
class QWidget;

// Builds the editor window's menus, tool bar and channel table (into the
// central widget's layout) and binds them to the window's commands.
EditorControls buildEditorShell(TEditForm& form, QWidget* central, ChannelTableModel* table);

// Checks the view action of TV or radio (the radio buttons follow).
void checkViewActions(const EditorControls& controls, bool tv);
