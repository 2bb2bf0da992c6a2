#pragma once

#include "serial/WorkerHost.h"

#include <cstdint>
#include <string>

class TransferState;

// What a worker asks of its owner about the transfer: the buffers, names and
// results live in the transfer state. The owner (the main window, quelvox-cli)
// answers the display calls of WorkerHost itself.
class TransferHost : public WorkerHost {
public:
    explicit TransferHost(TransferState& state) : state_(state) {}

    uint8_t* GetFileBuffer(int type) override;
    int32_t GetFileSize(int type) override;
    void GetFirmFileName(int type, std::string& name) override;
    uint8_t* GetChReceivedBuffer() override;
    int GetFirstFirmFileType() override;
    int GetNextFirmFileType() override;

    void SetReceivedStatus(uint8_t status) override;
    void SetReceivedChListSize(int32_t size) override;
    void setListAccepted(bool accepted) override;
    void setUpdateDone(bool done) override;
    void setUserCancelled(bool cancelled) override;

private:
    TransferState& state_;
};
