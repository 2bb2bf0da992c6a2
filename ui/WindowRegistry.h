#pragma once

#include "ui/LanguageWindow.h"

#include <QWidget>

#include <concepts>
#include <memory>
#include <span>
#include <vector>

namespace ui {

// Every window of the program under its id in the window-text table, in the
// order they were built, owned here until the end. The first window added is
// the main window; it goes first when the registry ends, so it can stop its
// workers while the others still exist.
class WindowRegistry {
public:
    struct Entry {
        i18n::Window id;
        QWidget* window;
        Translatable* texts;
    };

    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Takes the window over; returns it for the next lines of the builder.
    template <class W>
    requires std::derived_from<W, QWidget> && std::derived_from<W, Translatable> W&
    add(std::unique_ptr<W> window) {
        W* added = window.release();
        add(Entry{added->languageId(), added, added});
        return *added;
    }

    // The window with this id; nullptr when none was added.
    QWidget* window(i18n::Window id) const;
    template <class W> W* find(i18n::Window id) const { return qobject_cast<W*>(window(id)); }

    std::span<const Entry> entries() const { return entries_; }

    // Writes one language's texts into every window, in the order they were built.
    void applyLanguage(i18n::Language language) const;

private:
    void add(const Entry& entry);

    std::vector<Entry> entries_;
};

} // namespace ui
