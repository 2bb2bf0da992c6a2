#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>

class QLineEdit;

// The find dialog; for now its frame with the named controls.
class TSuche : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
public:
    explicit TSuche(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;
};
