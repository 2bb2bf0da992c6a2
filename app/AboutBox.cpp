#include "app/AboutBox.h"

#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QString fromLatin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TForm2::TForm2(const std::string& commentText, const std::string& footerText, QWidget* parent)
    : LanguageWindow(i18n::Window::Form2, parent,
                     Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setFixedSize(349, 447);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(313, 217);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setFrameShape(QFrame::StyledPanel);
    if (QFileInfo::exists(QStringLiteral("logo.bmp"))) {
        const QPixmap logo(QStringLiteral("logo.bmp"));
        if (!logo.isNull())
            Image1->setPixmap(logo);
    }
    layout->addWidget(Image1, 0, Qt::AlignHCenter);

    Title = namedLabel(this, "Title", {}, true);
    Comment = namedLabel(this, "Comment", fromLatin1(commentText), true);
    Footer = namedLabel(this, "Footer", fromLatin1(footerText), false);
    layout->addStretch(1);
    layout->addWidget(Title);
    layout->addWidget(Comment);
    layout->addStretch(1);
    layout->addWidget(Footer);

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    applyStartupTexts();
}
