#pragma once

#include "serial/TransferSizes.h"

#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// What the main window prepares for a transfer and what the workers report
// back. Every buffer, size and file name is set before a worker starts and
// left alone until its completion handler runs; the values the worker reports
// are read only by that handler. That order, not a lock, keeps it consistent.
class TransferState {
public:
    // File types the workers pass: 1..3 software files, 4 received list, 5 list to send.
    enum FileType { Software1 = 1, Software2 = 2, Software3 = 3, ReceivedList = 4, ListToSend = 5 };

    uint8_t* GetFileBuffer(int type);
    int32_t GetFileSize(int type) const;
    std::string GetFirmFileName(int type) const; // Latin-1, empty when there is none

    // The file-type cursor over 1, 2, 3 the software update walks: the first
    // and the next type whose file has bytes, 0 when none is left.
    int GetFirstFirmFileType();
    int GetNextFirmFileType();

    // A fresh, zeroed receive buffer for the next list receive.
    void allocateReceiveBuffer();
    void releaseReceiveBuffer();

    // What the repeat command repeats.
    enum TransferKind : uint8_t {
        NoTransfer = 0,
        LastSoftwareUpdate = 1,
        LastListSend = 2,
        LastListReceive = 3
    };
    uint8_t LastTransfer = NoTransfer;

    QString SendFileName;
    QString ReceiveFileName;
    std::array<QString, 3> SoftwareFileNames;

    std::vector<uint8_t> ReceiveBuffer;
    // Reported by the list-receive worker from its own thread.
    std::atomic<int32_t> ReceivedSize{0};
    std::atomic<uint8_t> ReceivedStatus{0};

    std::vector<uint8_t> ListFileBuffer;
    int32_t ListFileSize = 0;

    std::array<std::vector<uint8_t>, 3> SoftwareBuffers;
    std::array<int32_t, 3> SoftwareSizes{};
    int SoftwareCursor = 0;

    std::atomic<bool> ListBusy{false};
    std::atomic<bool> UpdateBusy{false};
    std::atomic<bool> ListAccepted{false};
    std::atomic<bool> UpdateDone{false};
    std::atomic<bool> UserCancelled{false};

private:
    // From the cursor on, the first type whose file has bytes; 0 (cursor
    // back to 0) when none is left.
    int typeFromCursor();
};
