#include "ui/LanguageTexts.h"

#include "i18n/Messages.h"

namespace ui {

void applyLanguageTexts(const WindowRegistry& windows, i18n::Language language) {
    windows.applyLanguage(language);
    i18n::applyMessages(language);
}

} // namespace ui
