#pragma once

#include "i18n/Messages.h"

#include <QString>
#include <cstdint>
#include <string>

class TransferState;

// True when a received list block holds its checksum. A block shorter than the
// checksummed range (up to offset 185024) never counts as intact: its missing
// bytes never arrived.
bool CheckChannelList(const uint8_t* image, int32_t receivedSize);

// Writes the first size bytes of the buffer to the file through the one file
// writer; false (and the old file untouched) when that fails, with the
// writer's reason in *reason and *refused set for a target that cannot take a
// file (a folder, FIFO, socket or block device).
bool SaveChListToFile(const QString& path, const uint8_t* buffer, int32_t size,
                      std::string* reason = nullptr, bool* refused = nullptr);

// The box a finished list receive ends with.
struct OutcomeMessage {
    enum class Icon { Warning, Information };
    bool show = false;
    i18n::Msg slot = i18n::Msg::ReceiveFailed;
    Icon icon = Icon::Warning;
    // A list that could not be saved: why, and whether the target was refused.
    std::string reason;
    bool refused = false;
};

// What a list read is for: a list receive saves the list in ReceiveFileName;
// the identity read before a list send keeps it in the buffer for the checks.
enum class ListRead { Receive, IdentityRead };

// What the main window and quelvox-cli do with a received list once the port
// is closed: check it, save it (a receive) or keep it (an identity read),
// choose the message, release the buffer of a receive.
OutcomeMessage finishListReceive(TransferState& state, ListRead purpose = ListRead::Receive);
