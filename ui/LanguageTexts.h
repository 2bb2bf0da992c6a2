#pragma once

#include "ui/WindowRegistry.h"

// The three language routines: each writes its column of the text tables
// into every window of the registry and into every message slot, so that
// messages shown later read the language too. GUI thread only.
namespace ui {

void applyLanguageTexts(const WindowRegistry& windows, i18n::Language language);

inline void applyGermanTexts(const WindowRegistry& windows) {
    applyLanguageTexts(windows, i18n::Language::German);
}
inline void applyEnglishTexts(const WindowRegistry& windows) {
    applyLanguageTexts(windows, i18n::Language::English);
}
inline void applyFrenchTexts(const WindowRegistry& windows) {
    applyLanguageTexts(windows, i18n::Language::French);
}

} // namespace ui
