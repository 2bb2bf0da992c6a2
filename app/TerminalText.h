#pragma once

#include <QString>

#include <string>

// Turns the receiver's Latin-1 bytes into text for the terminal view. A zero
// byte ends the chunk. A carriage return, a line feed and the pair CR LF each
// end one line, as a terminal shows them; the pair may be split across two
// chunks, which is why the filter remembers the last byte. Other control
// bytes are not drawn.
class TerminalTextFilter {
public:
    QString toDisplay(const std::string& bytes);

private:
    bool lastWasCarriageReturn_ = false;
};
