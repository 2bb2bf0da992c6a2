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

TWarnung1::TWarnung1(QWidget* parent)
    : TWarnung(i18n::Window::Warnung1, QStringLiteral("Warnung1"), 2, parent) {}

TWarnung2::TWarnung2(QWidget* parent)
    : TWarnung(i18n::Window::Warnung2, QStringLiteral("Warnung2"), 3, parent) {}

TWarnung3::TWarnung3(QWidget* parent)
    : TWarnung(i18n::Window::Warnung3, QStringLiteral("Warnung3"), 2, parent) {}

TWarnung4::TWarnung4(QWidget* parent)
    : TWarnung(i18n::Window::Warnung4, QStringLiteral("Warnung4"), 2, parent) {}
