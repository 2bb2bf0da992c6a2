#include "i18n/Messages.h"

#include "i18n/TextTable.h"

#include <array>
#include <cstddef>

namespace i18n {
namespace {

struct Slot {
    QString text;
    std::string latin1;
};

constexpr std::size_t slotCount = static_cast<std::size_t>(Msg::Count);

void assign(Slot& slot, const QString& text) {
    slot.text = text;
    slot.latin1 = text.toLatin1().toStdString();
}

const TextRow& rowOf(std::size_t slot) {
    return messageRows()[slot];
}

std::array<Slot, slotCount>& slotTable() {
    static std::array<Slot, slotCount> current = [] {
        std::array<Slot, slotCount> s;
        for (std::size_t i = 0; i < slotCount; ++i)
            assign(s[i], startupText(rowOf(i)));
        return s;
    }();
    return current;
}

} // namespace

QString text(Msg slot) {
    return slotTable()[static_cast<std::size_t>(slot)].text;
}

const std::string& latin1(Msg slot) {
    return slotTable()[static_cast<std::size_t>(slot)].latin1;
}

QString textIn(Msg slot, Language language) {
    return rowText(rowOf(static_cast<std::size_t>(slot)), language);
}

void applyMessages(Language language) {
    auto& s = slotTable();
    for (std::size_t i = 0; i < slotCount; ++i)
        assign(s[i], rowText(rowOf(i), language));
}

void resetMessages() {
    auto& s = slotTable();
    for (std::size_t i = 0; i < slotCount; ++i)
        assign(s[i], startupText(rowOf(i)));
}

} // namespace i18n
