#pragma once

#include "listmodel/ListEditorPrompts.h"
#include "ui/UserDialogs.h"

class QWidget;

// The list file's messages (checksum, favourites, failed saves) as plain
// message boxes of the editor.
class BoxReporter : public ListFileReporter {
public:
    BoxReporter(UserDialogs& dialogs, QWidget* parent) : dialogs_(dialogs), parent_(parent) {}
    void plainMessage(const QString& text) override { ::plainMessage(dialogs_, parent_, text); }

private:
    UserDialogs& dialogs_;
    QWidget* parent_;
};
