#pragma once

#include <QIcon>

// The pictures of the tool-bar buttons, drawn at start (the disabled state is
// derived by the style).
enum class ToolIcon {
    Online,
    Offline,
    Send,
    Receive,
    Redo,
    Cancel,
    ClearView,
    PortReport,
    Editor,
    Print
};

QIcon toolIcon(ToolIcon kind);
