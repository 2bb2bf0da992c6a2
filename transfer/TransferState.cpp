#include "transfer/TransferState.h"

namespace {
// The cursor walks this table; the 0 at its end means no file is left.
constexpr int kFirmFileTypes[] = {TransferState::Software1, TransferState::Software2,
                                  TransferState::Software3, 0};
constexpr int kCursorEnd = 3;

bool isSoftwareType(int type) {
    return type >= TransferState::Software1 && type <= TransferState::Software3;
}
} // namespace

uint8_t* TransferState::GetFileBuffer(int type) {
    if (isSoftwareType(type))
        return SoftwareBuffers[type - 1].empty() ? nullptr : SoftwareBuffers[type - 1].data();
    if (type == ReceivedList)
        return ReceiveBuffer.empty() ? nullptr : ReceiveBuffer.data();
    if (type == ListToSend)
        return ListFileBuffer.empty() ? nullptr : ListFileBuffer.data();
    return nullptr;
}

int32_t TransferState::GetFileSize(int type) const {
    if (isSoftwareType(type))
        return SoftwareSizes[type - 1];
    if (type == ReceivedList)
        return ListImageBytes; // a received list always counts as one list file
    if (type == ListToSend)
        return ListFileSize;
    return 0;
}

std::string TransferState::GetFirmFileName(int type) const {
    const QString* name = nullptr;
    if (isSoftwareType(type) && SoftwareSizes[type - 1] > 0)
        name = &SoftwareFileNames[type - 1];
    else if (type == ReceivedList && ReceivedSize > 0)
        name = &ReceiveFileName;
    else if (type == ListToSend && ListFileSize > 0)
        name = &SendFileName;
    return name ? name->toLatin1().toStdString() : std::string();
}

void TransferState::allocateReceiveBuffer() {
    ReceiveBuffer.assign(ReceiveBufferBytes, 0);
}

void TransferState::releaseReceiveBuffer() {
    ReceiveBuffer.clear();
    ReceiveBuffer.shrink_to_fit();
}

int TransferState::GetFirstFirmFileType() {
    SoftwareCursor = 0;
    return typeFromCursor();
}

int TransferState::GetNextFirmFileType() {
    if (SoftwareCursor < 0 || SoftwareCursor > kCursorEnd)
        SoftwareCursor = kCursorEnd; // never index past the table
    if (kFirmFileTypes[SoftwareCursor] == Software3)
        return 0;
    ++SoftwareCursor;
    return typeFromCursor();
}

int TransferState::typeFromCursor() {
    while (SoftwareCursor < kCursorEnd && GetFileSize(kFirmFileTypes[SoftwareCursor]) == 0)
        ++SoftwareCursor;
    if (SoftwareCursor < kCursorEnd)
        return kFirmFileTypes[SoftwareCursor];
    SoftwareCursor = 0;
    return 0;
}
