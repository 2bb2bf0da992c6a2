#pragma once

#include "i18n/Messages.h"

#include <QDialog>

class QLineEdit;

// The find dialog; for now its frame with the named controls.
class TSuche : public QDialog {
    Q_OBJECT
public:
    explicit TSuche(QWidget* parent = nullptr);
    void applyLanguage(i18n::Language language);

    QLineEdit* Edit1 = nullptr;
};
