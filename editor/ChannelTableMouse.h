#pragma once

#include "editor/EditForm.h"

#include <functional>

// Binds the channel table's presses, releases and current-cell changes to
// the marked rows: a click on a number cell marks its row, a release after
// dragging over rows marks them, the favourites column counts to the
// current row (and row moving goes on or off with the press).
void connectChannelTableMouse(const EditorControls& controls, ListEditor& editor,
                              std::function<bool()> favouritesVisible);
