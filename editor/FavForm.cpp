#include "editor/FavForm.h"

#include "i18n/WindowTexts.h"
#include "ui/ShellBuilder.h"

#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>

TFavForm::TFavForm(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("FavForm"));
    setWindowTitle(QStringLiteral("Favoriten"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(360, 480);

    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(shell::button(this, "Paste", QString::fromUtf8("Einfügen")));
    buttons->addWidget(shell::button(this, "Delete", QString::fromUtf8("Löschen")));
    buttons->addStretch(1);
    layout->addLayout(buttons);

    StringGrid1 = new QTableWidget(0, 3, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    layout->addWidget(StringGrid1);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    shell::item(PopupMenu1, "Paste1", QString::fromUtf8("Einfügen"));
    shell::item(PopupMenu1, "Delete1", QString::fromUtf8("Löschen"));
}

void TFavForm::applyLanguage(i18n::Language language) {
    i18n::applyWindowTexts(this, i18n::Window::FavForm, language);
}
