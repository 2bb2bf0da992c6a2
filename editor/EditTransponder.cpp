#include "editor/EditTransponder.h"

#include "editor/TransponderIdDelegate.h"
#include "i18n/Messages.h"
#include "listmodel/CellEdits.h"
#include "listmodel/ChannelListModel.h"
#include "ui/ShellBuilder.h"
#include "ui/UserDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <functional>

namespace {

constexpr uint32_t FreeFrequency = 0xFFFFFFFFu;
constexpr int ControlX = 240;
constexpr int ControlWidth = 145;

const char* const qamSizes[] = {"16", "32", "64", "128", "256"};
const char* const bandwidths[] = {"8", "7", "6"};

QLineEdit* field(QWidget* parent, const char* name, int y) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(ControlX, y, ControlWidth, 21);
    return edit;
}

QComboBox* choice(QWidget* parent, const char* name, int y) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(ControlX, y, ControlWidth, 21);
    return box;
}

// The number typed into a field; false for anything that is not one.
bool readNumber(const QLineEdit* edit, uint32_t& value) {
    bool ok = false;
    value = edit->text().trimmed().toUInt(&ok);
    return ok;
}

} // namespace

TEditTransponder::TEditTransponder(UserDialogs& dialogs, ChannelListModel& model, QWidget* parent)
    : LanguageWindow(i18n::Window::EditTransponder, parent), dialogs_(dialogs), model_(model) {
    setObjectName(QStringLiteral("EditTransponder"));
    setFixedSize(436, 371);
    setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QLabel* labels[6] = {};
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "Label" + QByteArray::number(i + 1);
        labels[i] = shell::label(this, name.constData(), {});
        QFont bold = labels[i]->font();
        bold.setBold(true);
        bold.setPixelSize(13);
        labels[i]->setFont(bold);
        labels[i]->setGeometry(16, 24 + 40 * i, 200, 21);
    }
    Label3 = labels[2];
    Label4 = labels[3];
    Label5 = labels[4];
    labels[5]->hide();

    ComboBox1 = choice(this, "ComboBox1", 24);
    ComboBox1->setItemDelegate(
        new TransponderIdDelegate([this](int id) { return isFree(id); }, ComboBox1));
    // Every id; whether one is free is asked against the list open at the
    // time (the model holds no list yet, so stopping at the first free one
    // would leave only "0").
    for (int id = 0; id < TransponderSlots; ++id)
        ComboBox1->addItem(QString::number(id));
    Edit_Frequency = field(this, "Edit_Frequency", 64);
    Edit_SymbolRate = field(this, "Edit_SymbolRate", 104);
    ComboBox4 = choice(this, "ComboBox4", 144);
    ComboBox5 = choice(this, "ComboBox5", 184);
    ComboBox5->addItems({QStringLiteral("H"), QStringLiteral("V")});
    Edit_NetworkId = field(this, "Edit_NetworkId", 224);
    Edit_NetworkId->hide();
    // Each field is named after its label for assistive tools.
    QWidget* fields[6] = {ComboBox1, Edit_Frequency, Edit_SymbolRate,
                          ComboBox4, ComboBox5,      Edit_NetworkId};
    for (int i = 0; i < 6; ++i)
        labels[i]->setBuddy(fields[i]);

    auto* assign = shell::button(this, "Button1", {});
    // Wide enough for the longest caption of the three languages.
    assign->setGeometry(16, 272, 88, 25);
    auto* cancel = shell::button(this, "Button2", {});
    cancel->setGeometry(112, 272, 88, 25);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 371 - 20, 436, 20);
    auto* status = new QLabel(i18n::text(i18n::Msg::TpCurrent), StatusBar1);
    status->setObjectName(QStringLiteral("StatusText"));
    StatusBar1->addWidget(status, 1);
    fillCombo4(TransponderKind::Satellite);

    connect(ComboBox1, &QComboBox::activated, this, &TEditTransponder::ComboBox1Change);
    connect(ComboBox4, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            ComboBox4Change();
    });
    connect(ComboBox5, &QComboBox::activated, this, &TEditTransponder::ComboBox5Change);
    connect(Edit_Frequency, &QLineEdit::textChanged, this, &TEditTransponder::Edit_FrequencyChange);
    connect(Edit_SymbolRate, &QLineEdit::textChanged, this,
            &TEditTransponder::Edit_SymbolRateChange);
    connect(Edit_NetworkId, &QLineEdit::textChanged, this, &TEditTransponder::Edit_NetworkIdChange);
    connect(assign, &QPushButton::clicked, this, &TEditTransponder::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    applyStartupTexts();
}

bool TEditTransponder::isFree(int id) const {
    const TransponderRecord* tp = transponderAt(model_.image, id);
    return tp && tp->frequency == FreeFrequency;
}

TransponderKind TEditTransponder::kindOf(int id) const {
    return classifyTransponder(model_.image, id);
}

QString TEditTransponder::statusText() const {
    return StatusBar1->findChild<QLabel*>(QStringLiteral("StatusText"))->text();
}

void TEditTransponder::fillCombo4(TransponderKind kind) {
    filling_ = true;
    ComboBox4->clear();
    if (kind == TransponderKind::Terrestrial) {
        for (const char* entry : bandwidths)
            ComboBox4->addItem(QString::fromLatin1(entry));
    } else if (kind == TransponderKind::Cable) {
        for (const char* entry : qamSizes)
            ComboBox4->addItem(QString::fromLatin1(entry));
    } else {
        for (const SatelliteRecord& s : model_.image.satellites)
            ComboBox4->addItem(QString::fromLatin1(fieldText(s.name).substr(0, 19)));
    }
    filling_ = false;
}

void TEditTransponder::FormShow(int channelSlot, const std::string& transponderCell) {
    channelSlot_ = channelSlot;
    // The layout by the satellite name of the row's transponder.
    const ChannelRecord* c = channelSlot >= 0 && channelSlot < ChannelSlots
                                 ? &model_.image.channels[static_cast<std::size_t>(channelSlot)]
                                 : nullptr;
    const TransponderRecord* tp = c ? transponderAt(model_.image, c->transponderIndex) : nullptr;
    const SatelliteRecord* sat = tp ? satelliteOf(model_.image, *tp) : nullptr;
    const std::string name = sat ? fieldText(sat->name) : std::string();
    showKind(name.rfind("Ter", 0) == 0 ? TransponderKind::Terrestrial
             : name.empty() || static_cast<unsigned char>(name[0]) == 0xFF
                 ? TransponderKind::Cable
                 : TransponderKind::Satellite);

    fillCombo4(chosen_ >= 0 ? kindOf(chosen_) : TransponderKind::Satellite);
    const int id =
        std::min(static_cast<int>(leadingNumber(transponderCell)), ComboBox1->count() - 1);
    ComboBox1->setCurrentIndex(id);
    ComboBox1Change(id);
}

void TEditTransponder::showKind(TransponderKind kind) {
    const bool terrestrial = kind == TransponderKind::Terrestrial;
    const bool satellite = kind == TransponderKind::Satellite;
    Label3->setText(terrestrial ? QStringLiteral("Bandwidth") : QStringLiteral("Symbol - Rate"));
    Label4->setText(satellite ? QStringLiteral("LNB") : QStringLiteral("QAM"));
    Label4->setVisible(!terrestrial);
    Label5->setVisible(satellite);
    ComboBox5->setVisible(satellite);
    Edit_SymbolRate->setVisible(!terrestrial);
    ComboBox4->move(ControlX, terrestrial ? 104 : 144);
    Label3->setBuddy(terrestrial ? static_cast<QWidget*>(ComboBox4) : Edit_SymbolRate);
}

void TEditTransponder::ComboBox1Change(int id) {
    if (isFree(id)) {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::TpFree));
        return;
    }
    const TransponderRecord* tp = transponderAt(model_.image, id);
    if (!tp)
        return;
    chosen_ = id;
    const TransponderKind kind = kindOf(id);
    fillCombo4(kind);
    showKind(kind);
    filling_ = true;
    Edit_Frequency->setText(QString::number(tp->frequency));
    if (kind == TransponderKind::Terrestrial)
        ComboBox4->setCurrentIndex((tp->symbolRate >> 13) & 7u);
    else
        Edit_SymbolRate->setText(QString::number(tp->symbolRate));
    if (kind == TransponderKind::Cable)
        ComboBox4->setCurrentIndex((tp->modulationCode & 0x0F) - 1);
    else if (kind == TransponderKind::Satellite)
        ComboBox4->setCurrentIndex(tp->satelliteIndex);
    Edit_NetworkId->setText(QString::number(tp->networkId));
    filling_ = false;
    ComboBox4Change();
    polarisation_ = tp->vertical() ? 1 : 0;
    ComboBox5->setCurrentIndex(polarisation_);
}

void TEditTransponder::ComboBox4Change() {
    if (statusText() != i18n::text(i18n::Msg::TpCurrent)) {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::TpNoValidChosen));
        return;
    }
    if (chosen_ < 0 || isFree(chosen_))
        return;
    const int index = ComboBox4->currentIndex();
    if (index < 0)
        return;
    TransponderRecord& tp = model_.image.transponders[static_cast<std::size_t>(chosen_)];
    switch (kindOf(chosen_)) {
    case TransponderKind::Terrestrial:
        setBandwidthMHz(tp, 8 - index);
        break;
    case TransponderKind::Cable:
        tp.modulationCode = static_cast<uint16_t>((tp.modulationCode & 0xFFF0u) | (index + 1));
        break;
    case TransponderKind::Satellite:
        tp.satelliteIndex = static_cast<uint8_t>(index);
        break;
    }
}

void TEditTransponder::Edit_FrequencyChange() {
    uint32_t value = 0;
    if (chosen_ < 0 || isFree(chosen_) || !readNumber(Edit_Frequency, value) ||
        !frequencyAccepted(kindOf(chosen_), value))
        return;
    model_.image.transponders[static_cast<std::size_t>(chosen_)].frequency = value;
}

void TEditTransponder::Edit_SymbolRateChange() {
    if (chosen_ < 0 || isFree(chosen_))
        return;
    auto* status = StatusBar1->findChild<QLabel*>(QStringLiteral("StatusText"));
    const TransponderKind kind = kindOf(chosen_);
    if (kind == TransponderKind::Terrestrial) {
        status->setText(i18n::text(i18n::Msg::TpCurrent));
        return;
    }
    uint32_t value = 0;
    if (!readNumber(Edit_SymbolRate, value) || !symbolRateAccepted(kind, value))
        return;
    status->setText(i18n::text(i18n::Msg::TpCurrent));
    model_.image.transponders[static_cast<std::size_t>(chosen_)].symbolRate = value;
}

void TEditTransponder::Edit_NetworkIdChange() {
    uint32_t value = 0;
    if (chosen_ < 0 || isFree(chosen_) || !readNumber(Edit_NetworkId, value))
        return;
    model_.image.transponders[static_cast<std::size_t>(chosen_)].networkId =
        static_cast<uint16_t>(value);
}

void TEditTransponder::ComboBox5Change(int index) {
    polarisation_ = index;
}

void TEditTransponder::Button1Click() {
    if (chosen_ < 0 || isFree(chosen_)) {
        plainMessage(dialogs_, this, i18n::text(i18n::Msg::TpFreeNotPossible));
        return;
    }
    Edit_FrequencyChange();
    TransponderRecord& tp = model_.image.transponders[static_cast<std::size_t>(chosen_)];
    if (kindOf(chosen_) == TransponderKind::Satellite)
        tp.transponderFlags = static_cast<uint16_t>(polarisation_ == 1 ? tp.transponderFlags | 1u
                                                                       : tp.transponderFlags & ~1u);
    if (channelSlot_ >= 0 && channelSlot_ < ChannelSlots)
        model_.image.channels[static_cast<std::size_t>(channelSlot_)].transponderIndex =
            static_cast<uint16_t>(chosen_);
    accept();
}
