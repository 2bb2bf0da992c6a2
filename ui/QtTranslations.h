#pragma once

#include "i18n/Messages.h"

namespace ui {

// Qt's own texts (the file, print and font dialogs, standard buttons, the
// names of shortcut keys) follow the program's language where the system has
// Qt's translations. False when German or French was asked for and none was
// found: those texts then stay English.
bool useQtTranslations(i18n::Language language);

} // namespace ui
