#pragma once

#include "i18n/Messages.h"

#include <QWidget>

class QTableWidget;
class QMenu;

// The favourites window; for now its frame with the named controls.
class TFavForm : public QWidget {
    Q_OBJECT
public:
    explicit TFavForm(QWidget* parent = nullptr);
    void applyLanguage(i18n::Language language);

    QTableWidget* StringGrid1 = nullptr;
    QMenu* PopupMenu1 = nullptr; // Paste1, Delete1
};
