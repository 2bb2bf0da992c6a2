#include "editor/WarningBoxes.h"

#include "editor/Warnung.h"
#include "i18n/Messages.h"
#include "ui/UserDialogs.h"

void WarningBoxes::setWarnings(TWarnung* warnung1, TWarnung* warnung2, TWarnung* warnung3,
                               TWarnung* warnung4) {
    warnings_[0] = warnung1;
    warnings_[1] = warnung2;
    warnings_[2] = warnung3;
    warnings_[3] = warnung4;
}

void WarningBoxes::capacityExceeded(int, const QString& message) {
    plainMessage(dialogs_, parent_, message);
}

void WarningBoxes::warnFavouritesRepaired() {
    warning(i18n::text(i18n::Msg::FavouritesRepaired));
}

void WarningBoxes::warnNoList() {
    warning(i18n::text(i18n::Msg::EditorNoListOpened));
}

bool WarningBoxes::listOpenOrWarn(const ListEditor& editor) {
    if (editor.listOpen())
        return true;
    warnNoList();
    return false;
}

void WarningBoxes::warning(const QString& text) {
    dialogs_.message(parent_, QStringLiteral("Quelvox"), text, UserDialogs::Icon::Warning);
}

void WarningBoxes::show(int number) {
    if (TWarnung* warning = warnings_[number - 1])
        dialogs_.execDialog(*warning);
}
