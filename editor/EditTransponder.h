#pragma once

#include "ui/LanguageWindow.h"

#include <QDialog>
#include <string>

class ChannelListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class UserDialogs;
enum class TransponderKind : int;

// The transponder dialog: picks another transponder for a channel and edits
// the tuning data of transponders. Tuning values go into the image while the
// user types or chooses; "Zuweisen" only assigns the chosen transponder.
class TEditTransponder : public ui::LanguageWindow<QDialog> {
    Q_OBJECT
public:
    TEditTransponder(UserDialogs& dialogs, ChannelListModel& model, QWidget* parent = nullptr);

    // Before showing: the channel of the current row (-1 for none) and the
    // text of its transponder cell.
    void FormShow(int channelSlot, const std::string& transponderCell);

    // --- events ----------------------------------------------------------------
    void ComboBox1Change(int id);
    void ComboBox4Change();
    void Edit_FrequencyChange();
    void Edit_SymbolRateChange();
    void Edit_NetworkIdChange();
    void ComboBox5Change(int index);
    void Button1Click(); // "Zuweisen"

    bool isFree(int id) const;
    int chosenTransponder() const { return chosen_; }
    QString statusText() const;

    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QLineEdit* Edit_Frequency = nullptr;
    QLineEdit* Edit_SymbolRate = nullptr;
    QLineEdit* Edit_NetworkId = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    void fillCombo4(TransponderKind kind);
    void showKind(TransponderKind kind);
    TransponderKind kindOf(int id) const;

    UserDialogs& dialogs_;
    ChannelListModel& model_;
    int chosen_ = -1;
    int polarisation_ = 0;
    int channelSlot_ = -1;
    bool filling_ = false;
};
