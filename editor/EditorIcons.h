#pragma once

#include <QIcon>

// A picture of the editor's tool bar ("open", "save", "print", "close",
// "cut", "copy", "paste", "font"), from the program's resources.
QIcon editorIcon(const char* name);
