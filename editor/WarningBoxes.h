#pragma once

#include "editor/ListEditor.h"

class QWidget;
class TWarnung;
class UserDialogs;

// The editor's prompts as the program shows them: the four warning windows
// and message boxes over the editor window.
class WarningBoxes : public EditorPrompts {
public:
    WarningBoxes(UserDialogs& dialogs, QWidget* parent) : dialogs_(dialogs), parent_(parent) {}
    void setWarnings(TWarnung* warnung1, TWarnung* warnung2, TWarnung* warnung3,
                     TWarnung* warnung4);

    void capacityExceeded(int remaining, const QString& message) override;
    void warnMoveUp() override { show(1); }
    void warnMoveDown() override { show(2); }
    void warnNotWholeRows() override { show(3); }
    void warnPasteBehindList() override { show(4); }
    void warnFavouritesRepaired() override;
    // "Keine Liste geöffnet!"
    void warnNoList();
    // True with a list open; otherwise the warning that none is.
    bool listOpenOrWarn(const ListEditor& editor);
    void warning(const QString& text);

private:
    void show(int number);

    UserDialogs& dialogs_;
    QWidget* parent_;
    TWarnung* warnings_[4] = {};
};
