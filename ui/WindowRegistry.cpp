#include "ui/WindowRegistry.h"

#include <stdexcept>

namespace ui {

WindowRegistry::~WindowRegistry() {
    for (const Entry& entry : entries_)
        delete entry.window;
}

void WindowRegistry::add(const Entry& entry) {
    // A second window under one id would never get its texts.
    if (window(entry.id)) {
        delete entry.window;
        throw std::logic_error("window id registered twice");
    }
    entries_.push_back(entry);
}

QWidget* WindowRegistry::window(i18n::Window id) const {
    for (const Entry& entry : entries_)
        if (entry.id == id)
            return entry.window;
    return nullptr;
}

void WindowRegistry::applyLanguage(i18n::Language language) const {
    for (const Entry& entry : entries_)
        entry.texts->applyLanguage(language);
}

} // namespace ui
