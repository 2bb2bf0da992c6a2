#include "app/ComErrorReport.h"

#include "serial/CommError.h"

QList<ComErrorBox> comErrorBoxes(int code) {
    using Icon = UserDialogs::Icon;
    switch (code) {
    case CE_OpenFailed:
        return {
            {QString::fromUtf8("Die Schnittstelle konte nicht geöffnet werden: "), Icon::Warning}};
    case CE_ReadFailed:
        return {{QStringLiteral("Lesefehler auf serieller Schnittstelle "), Icon::Warning}};
    default:
        return {{QStringLiteral("Comm Error: "), Icon::None},
                {QStringLiteral("Kommunikationsfehler mit "), Icon::Warning}};
    }
}

void ShowComError(UserDialogs& dialogs, QWidget* parent, int code) {
    for (const auto& box : comErrorBoxes(code))
        dialogs.message(parent, QStringLiteral("Quelvox"), box.text, box.icon);
}
