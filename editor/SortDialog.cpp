#include "editor/SortDialog.h"

#include "ui/ShellBuilder.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// One labelled group of choices; the first is checked.
QWidget* choiceGroup(QWidget* parent, const char* name, const char* label,
                     std::initializer_list<const char*> choices, QRadioButton** buttons) {
    auto* group = new QWidget(parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(shell::label(group, label, {}));
    auto* exclusive = new QButtonGroup(group);
    for (const char* choice : choices) {
        auto* button = new QRadioButton(group);
        button->setObjectName(QString::fromLatin1(choice));
        exclusive->addButton(button);
        layout->addWidget(button);
        *buttons++ = button;
    }
    exclusive->buttons().constFirst()->setChecked(true);
    return group;
}

} // namespace

TSortDialog::TSortDialog(QWidget* editor) : QDialog(editor) {
    setObjectName(QStringLiteral("SortDialog"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        choiceGroup(this, "SortKeyGroup", "SortKeyLabel",
                    {"SortByName", "SortByProgram", "SortByFrequency", "SortByFavourite"}, keys_));
    QRadioButton* order[2] = {};
    layout->addWidget(choiceGroup(this, "SortOrderGroup", "SortOrderLabel",
                                  {"SortAscending", "SortDescending"}, order));
    descending_ = order[1];
    auto* buttons = new QHBoxLayout;
    QPushButton* ok = shell::button(this, "SortOkButton", QStringLiteral("OK"));
    QPushButton* cancel = shell::button(this, "SortCancelButton", {});
    ok->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ChannelSortKey TSortDialog::key() const {
    for (int i = 0; i < 4; ++i)
        if (keys_[i]->isChecked())
            return static_cast<ChannelSortKey>(i);
    return ChannelSortKey::Name;
}

bool TSortDialog::descending() const {
    return descending_->isChecked();
}
