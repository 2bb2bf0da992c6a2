#include "editor/Suche.h"

#include "i18n/WindowTexts.h"
#include "ui/ShellBuilder.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TSuche::TSuche(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Suche"));
    setWindowTitle(QStringLiteral("Suche..."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(shell::label(this, "Label1", QStringLiteral("Zu suchender Text")));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    layout->addWidget(Edit1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(shell::button(this, "Button1", QStringLiteral("Suche starten")));
    auto* close = shell::button(this, "Button2", QStringLiteral("Beenden"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

void TSuche::applyLanguage(i18n::Language language) {
    i18n::applyWindowTexts(this, i18n::Window::Suche, language);
}
