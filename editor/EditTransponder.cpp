#include "editor/EditTransponder.h"

#include "ui/ShellBuilder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

TEditTransponder::TEditTransponder(QWidget* parent)
    : LanguageWindow(i18n::Window::EditTransponder, parent) {
    setObjectName(QStringLiteral("EditTransponder"));
    auto* grid = new QGridLayout(this);
    constexpr int fields = 6;
    int row = 0;
    for (; row < fields; ++row) {
        const QByteArray name = "Label" + QByteArray::number(row + 1);
        grid->addWidget(shell::label(this, name.constData(), {}), row, 0);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        grid->addWidget(field, row, 1);
    }
    auto* buttons = new QHBoxLayout;
    auto* assign = shell::button(this, "Button1", {});
    auto* cancel = shell::button(this, "Button2", {});
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(assign);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, row, 0, 1, 2);
    applyStartupTexts();
}
