#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>

// The four warning dialogs of the editor: a title, "ACHTUNG!" and two or
// three lines of text, closed with OK.
class TWarnung : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
protected:
    TWarnung(i18n::Window id, const QString& objectName, int lines, QWidget* parent);
};

// They differ in their texts and their number of lines only.
template <int Number, i18n::Window Id, int Lines> class TWarnungOf final : public TWarnung {
public:
    explicit TWarnungOf(QWidget* parent = nullptr)
        : TWarnung(Id, QStringLiteral("Warnung%1").arg(Number), Lines, parent) {}
};

using TWarnung1 = TWarnungOf<1, i18n::Window::Warnung1, 2>;
using TWarnung2 = TWarnungOf<2, i18n::Window::Warnung2, 3>;
using TWarnung3 = TWarnungOf<3, i18n::Window::Warnung3, 2>;
using TWarnung4 = TWarnungOf<4, i18n::Window::Warnung4, 2>;
