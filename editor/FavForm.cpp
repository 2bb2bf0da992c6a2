#include "editor/FavForm.h"

#include "ui/ShellBuilder.h"

#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>

TFavForm::TFavForm(UserDialogs& dialogs, ChannelListModel& list, QWidget* parent)
    : LanguageWindow(i18n::Window::FavForm, parent, Qt::Tool), dialogs_(dialogs), list_(list) {
    setObjectName(QStringLiteral("FavForm"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(360, 480);

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(shell::button(this, "Paste", {}));
    buttons->addWidget(shell::button(this, "Delete", {}));
    buttons->addStretch(1);
    layout->addLayout(buttons);

    StringGrid1 = new QTableWidget(0, 3, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    layout->addWidget(StringGrid1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    shell::item(PopupMenu1, "Paste1", {});
    shell::item(PopupMenu1, "Delete1", {});
    applyStartupTexts();
}
