#include "transfer/TransferHost.h"

#include "transfer/TransferState.h"

// The buffers, sizes and names are set before the worker starts and stay as
// they are until its completion handler runs: plain reads suffice. What the
// worker reports is read only by that handler.
uint8_t* TransferHost::GetFileBuffer(int type) {
    return state_.GetFileBuffer(type);
}

int32_t TransferHost::GetFileSize(int type) {
    return state_.GetFileSize(type);
}

void TransferHost::GetFirmFileName(int type, std::string& name) {
    name = state_.GetFirmFileName(type);
}

uint8_t* TransferHost::GetChReceivedBuffer() {
    return state_.GetFileBuffer(TransferState::ReceivedList);
}

void TransferHost::SetReceivedStatus(uint8_t status) {
    state_.ReceivedStatus = status;
}

void TransferHost::SetReceivedChListSize(int32_t size) {
    state_.ReceivedSize = size;
}

int TransferHost::GetFirstFirmFileType() {
    return state_.GetFirstFirmFileType();
}

int TransferHost::GetNextFirmFileType() {
    return state_.GetNextFirmFileType();
}

// The two outcome flags are set in a synchronised call: the worker goes on
// only once the owner's thread has passed it.
void TransferHost::setListAccepted(bool accepted) {
    state_.ListAccepted = accepted;
    Rendezvous();
}

void TransferHost::setUpdateDone(bool done) {
    state_.UpdateDone = done;
    Rendezvous();
}

void TransferHost::setUserCancelled(bool cancelled) {
    state_.UserCancelled = cancelled;
}
