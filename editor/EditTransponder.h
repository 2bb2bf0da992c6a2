#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>

// The transponder dialog; for now its frame with the named controls.
class TEditTransponder : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
public:
    explicit TEditTransponder(QWidget* parent = nullptr);
};
