#pragma once

#include <QIcon>

// The pictures of the tool-bar buttons and windows: SVG files in the resource
// ui/icons.qrc, named without their ending ("send" is ":/icons/send.svg").
namespace shell {

QIcon icon(const char* name);

} // namespace shell
