#pragma once

#include "ui/UserDialogs.h"

#include <QList>
#include <QString>

// The boxes the main window shows for a serial error it caught, by code. The
// texts are fixed in every language.
struct ComErrorBox {
    QString text;
    UserDialogs::Icon icon;
};

QList<ComErrorBox> comErrorBoxes(int code);

// Shows them in order, caption "Quelvox".
void ShowComError(UserDialogs& dialogs, QWidget* parent, int code);
