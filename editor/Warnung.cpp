#include "editor/Warnung.h"

#include "ui/ShellBuilder.h"

#include <QVBoxLayout>

TWarnung::TWarnung(i18n::Window id, const QString& objectName, const QStringList& lines,
                   QWidget* parent)
    : QDialog(parent), id_(id) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Warnung"));
    auto* layout = new QVBoxLayout(this);
    QLabel* attention = shell::label(this, "Label1", QStringLiteral("ACHTUNG!"));
    QFont bold = attention->font();
    bold.setBold(true);
    attention->setFont(bold);
    layout->addWidget(attention);
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 2);
        layout->addWidget(shell::label(this, name.constData(), lines[i]));
    }
    auto* ok = shell::button(this, "OKBtn", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TWarnung::applyLanguage(i18n::Language language) {
    i18n::applyWindowTexts(this, id_, language);
}

TWarnung1::TWarnung1(QWidget* parent)
    : TWarnung(i18n::Window::Warnung1, QStringLiteral("Warnung1"),
               {QStringLiteral("Diese Listeneinstellung kann nicht gespeichert werden."),
                QString::fromUtf8("Es können keine leeren Kanäle in die Liste eingefügt werden!")},
               parent) {}

TWarnung2::TWarnung2(QWidget* parent)
    : TWarnung(i18n::Window::Warnung2, QStringLiteral("Warnung2"),
               {QStringLiteral("Diese Listeneinstellung kann nicht gespeichert werden."),
                QString::fromUtf8("Sie können Kanäle nur innerhalb der Liste oder direkt"),
                QString::fromUtf8("an dessen Ende einfügen!")},
               parent) {}

TWarnung3::TWarnung3(QWidget* parent)
    : TWarnung(i18n::Window::Warnung3, QStringLiteral("Warnung3"),
               {QString::fromUtf8(
                    "Um einen Kanal zu bearbeiten, müssen Sie die gesamte Zeile markieren."),
                QString::fromUtf8("Einzelne Zellen oder Felder außerhalb der Senderliste können "
                                  "nicht bearbeitet werden!")},
               parent) {}

TWarnung4::TWarnung4(QWidget* parent)
    : TWarnung(i18n::Window::Warnung4, QStringLiteral("Warnung4"),
               {QString::fromUtf8("Falls Sie eine Einfügestelle außerhalb der Senderliste wählen,"),
                QString::fromUtf8("wird der Kanal automatisch an das Ende der Liste angefügt!")},
               parent) {}
