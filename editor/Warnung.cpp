#include "editor/Warnung.h"

#include "ui/ShellBuilder.h"

#include <QVBoxLayout>

TWarnung::TWarnung(i18n::Window id, const QString& objectName, int lines, QWidget* parent)
    : LanguageWindow(id, parent) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    QLabel* attention = shell::label(this, "Label1", {});
    QFont bold = attention->font();
    bold.setBold(true);
    attention->setFont(bold);
    layout->addWidget(attention);
    for (int i = 0; i < lines; ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 2);
        layout->addWidget(shell::label(this, name.constData(), {}));
    }
    auto* ok = shell::button(this, "OKBtn", {});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    applyStartupTexts();
}
