#include "transfer/ReceiveOutcome.h"

#include "fileio/SafeFileWrite.h"
#include "listformat/ListFile.h"
#include "transfer/TransferState.h"

#include <algorithm>

namespace {
OutcomeMessage box(i18n::Msg slot, OutcomeMessage::Icon icon) {
    OutcomeMessage message;
    message.show = true;
    message.slot = slot;
    message.icon = icon;
    return message;
}
} // namespace

bool CheckChannelList(const uint8_t* image, int32_t receivedSize) {
    return receivedSize > 0 && receivedListIntact(image, static_cast<std::size_t>(receivedSize));
}

bool SaveChListToFile(const QString& path, const uint8_t* buffer, int32_t size, std::string* reason,
                      bool* refused) {
    if (path.isEmpty() || buffer == nullptr || size < 0)
        return false;
    fileio::WriteResult written;
    const bool saved = writeFileReplacing(path, reinterpret_cast<const char*>(buffer),
                                          static_cast<std::size_t>(size), &written);
    if (reason != nullptr)
        *reason = written.reason;
    if (refused != nullptr)
        *refused = written.refused();
    return saved;
}

OutcomeMessage finishListReceive(TransferState& state) {
    using Icon = OutcomeMessage::Icon;
    const bool forIdentity = state.ReceiveFileName.isEmpty();
    OutcomeMessage outcome;

    if (state.ReceivedStatus != 0 && state.ReceivedSize > 0) {
        const uint8_t* image = state.ReceiveBuffer.empty() ? nullptr : state.ReceiveBuffer.data();
        const int32_t size =
            std::min<int32_t>(state.ReceivedSize, static_cast<int32_t>(state.ReceiveBuffer.size()));
        if (CheckChannelList(image, size)) {
            if (!forIdentity) {
                // A list that could not be written is not announced as received.
                std::string reason;
                bool refused = false;
                if (SaveChListToFile(state.ReceiveFileName, image, size, &reason, &refused)) {
                    outcome = box(i18n::Msg::ListReceived, Icon::Information);
                } else {
                    outcome = box(i18n::Msg::DataSaveFailed, Icon::Warning);
                    outcome.reason = std::move(reason);
                    outcome.refused = refused;
                }
            }
        } else {
            outcome = box(i18n::Msg::CorruptList, Icon::Information);
        }
    } else if (forIdentity) {
        outcome = box(i18n::Msg::SendFailed, Icon::Warning);
    } else if (state.UserCancelled.exchange(false)) {
        outcome = box(i18n::Msg::CancelledByUser, Icon::Warning);
    } else {
        outcome = box(i18n::Msg::ReceiveFailed, Icon::Warning);
    }

    if (!forIdentity) {
        state.releaseReceiveBuffer();
        state.ReceivedSize = 0;
    }
    return outcome;
}
