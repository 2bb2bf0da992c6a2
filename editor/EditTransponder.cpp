#include "editor/EditTransponder.h"

#include "i18n/WindowTexts.h"
#include "ui/ShellBuilder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>

TEditTransponder::TEditTransponder(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EditTransponder"));
    setWindowTitle(QStringLiteral("Transponder bearbeiten"));
    auto* grid = new QGridLayout(this);
    const char* const labels[] = {"Transponder Nummer", "Frequenz",     "Symbol - Rate", "LNB",
                                  "Polarität",          "Netzwerk - ID"};
    int row = 0;
    for (const char* text : labels) {
        const QByteArray name = "Label" + QByteArray::number(row + 1);
        grid->addWidget(shell::label(this, name.constData(), QString::fromUtf8(text)), row, 0);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        grid->addWidget(field, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    auto* assign = shell::button(this, "Button1", QStringLiteral("Zuweisen"));
    auto* cancel = shell::button(this, "Button2", QStringLiteral("Abbrechen"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(assign);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, row, 0, 1, 2);
}

void TEditTransponder::applyLanguage(i18n::Language language) {
    i18n::applyWindowTexts(this, i18n::Window::EditTransponder, language);
}
