#pragma once

#include <QString>

// What the list operations ask of the editor. The editor shows the boxes and
// warning windows; tests record the calls.
class ListEditorPrompts {
public:
    virtual ~ListEditorPrompts() = default;
    // Paste beyond 4000 channels: plain message box with the text built from
    // the language slots ("Sie können max. noch " remaining " Kanäle ...").
    virtual void capacityExceeded(int remaining, const QString& message) = 0;
    // TWarnung1: a move upwards from a row below the list.
    virtual void warnMoveUp() = 0;
    // TWarnung2: a move downwards to a row below the list.
    virtual void warnMoveDown() = 0;
};

// The capacity message of a paste, from the language slots ("%s%d%s").
QString pasteCapacityMessage(int remaining);
