#pragma once

#include "reorder/ListSort.h"

#include <QDialog>

class QRadioButton;

// "Sortieren...": the sort key and the direction. Its texts are rows of the
// editor window (it is the editor's child); the title is read when shown.
class TSortDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSortDialog(QWidget* editor);

    ChannelSortKey key() const;
    bool descending() const;

private:
    QRadioButton* keys_[4] = {};
    QRadioButton* descending_ = nullptr;
};
