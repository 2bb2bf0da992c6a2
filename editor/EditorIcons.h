#pragma once

#include <QIcon>

// The pictures of the editor's tool-bar buttons, drawn at start.
enum class EditorIcon { Open, Save, Print, Close, Cut, Copy, Paste, Font };

QIcon editorIcon(EditorIcon kind);
