#include "app/TerminalText.h"

QString TerminalTextFilter::toDisplay(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        if (c == '\0')
            break;
        if (c == '\n' && lastWasCarriageReturn_) {
            lastWasCarriageReturn_ = false;
            continue;
        }
        lastWasCarriageReturn_ = c == '\r';
        if (c == '\r' || c == '\n')
            text.append(QChar(u'\n'));
        else if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
            text.append(QChar::fromLatin1(c));
        // Other control bytes (the echo's backspace, bells) have no glyph.
    }
    return text;
}
