#pragma once

#include "i18n/Messages.h"

#include <QDialog>

// The transponder dialog; for now its frame with the named controls.
class TEditTransponder : public QDialog {
    Q_OBJECT
public:
    explicit TEditTransponder(QWidget* parent = nullptr);
    void applyLanguage(i18n::Language language);
};
