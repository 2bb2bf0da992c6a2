#pragma once

#include "i18n/WindowTexts.h"

#include <utility>

namespace ui {

// What the language switch asks of every window.
class Translatable {
public:
    virtual ~Translatable() = default;
    virtual i18n::Window languageId() const = 0;
    // Writes one language's texts into the window.
    virtual void applyLanguage(i18n::Language language) = 0;
};

// A window whose texts live in the window-text table under its id. Its
// constructor builds the named controls with empty texts and then calls
// applyStartupTexts(); a language switch writes the language's column. A
// window with texts outside the table overrides applyLanguage and calls the
// base first.
template <class Widget> class LanguageWindow : public Widget, public Translatable {
public:
    i18n::Window languageId() const final { return id_; }
    void applyLanguage(i18n::Language language) override {
        i18n::applyWindowTexts(this, id_, language);
    }

protected:
    // args go to the widget's own constructor (parent, window flags).
    template <class... Args>
    explicit LanguageWindow(i18n::Window id, Args&&... args)
        : Widget(std::forward<Args>(args)...), id_(id) {}

    void applyStartupTexts() { i18n::applyStartupTexts(this, id_); }

private:
    i18n::Window id_;
};

} // namespace ui
