#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>

class QLineEdit;

// The find dialog, shown modeless: "Suche starten" (or Enter in Edit1)
// closes it and asks the editor to search for Edit1's text.
class TSuche : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
public:
    explicit TSuche(QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;

signals:
    void startRequested();
};
