#include "editor/Suche.h"

#include "ui/ShellBuilder.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSuche::TSuche(QWidget* parent) : LanguageWindow(i18n::Window::Suche, parent) {
    setObjectName(QStringLiteral("Suche"));
    resize(434, 148);
    auto* layout = new QVBoxLayout(this);
    QLabel* label = shell::label(this, "Label1", {});
    layout->addWidget(label);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    label->setBuddy(Edit1);
    layout->addWidget(Edit1);
    auto* buttons = new QHBoxLayout;
    auto* start = shell::button(this, "Button1", {});
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, [this] {
        hide();
        emit startRequested();
    });
    buttons->addWidget(start);
    auto* close = shell::button(this, "Button2", {});
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    applyStartupTexts();
}
