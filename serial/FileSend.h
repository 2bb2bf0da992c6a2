#pragma once

#include "serial/TransferWorker.h"

#include <cstdint>
#include <string>
#include <vector>

// Phase 100 of the list send and of the software update: ask the receiver to
// take a file, send it in 10-byte writes, then follow the receiver's reports
// on it (checked, written, stored). The two workers differ only in texts, in
// the reports they expect while the file is checked and in where a stored
// file leads; FileSendProfile holds those.
struct FileSendProfile {
    // A report the receiver prints while the file is checked (step 7), tested
    // in table order; the first found decides.
    struct Report {
        enum class Next { Stay, Store, Standby };
        const char* phrase;
        Next next;
        const char* status;
        int64_t pauseMs;
        bool resetsIdle;
        bool accepts; // the receiver took the file: Accepted()
    };
    const char* sendingStatus;  // step 2
    const char* sentStatus;     // step 5
    const char* checkingStatus; // step 6
    const Report* reports;
    int reportCount;
    int32_t phaseAfterStored; // 300 for a list, 1000 for software
};

class FileSend : public TransferWorker {
public:
    static constexpr int32_t PhaseFile = 100;
    static constexpr int32_t StepRequest = 2;
    static constexpr int32_t StepSend = 5;
    static constexpr int32_t StepAnnounce = 6;
    static constexpr int32_t StepCheck = 7;
    static constexpr int32_t StepStore = 8;
    static constexpr int32_t BlockBytes = 10;
    static constexpr int32_t EmptyReadLimit = 20;
    static constexpr int32_t NoiseLimit = 20;

    // The image in writes of BlockBytes, progress after each whole block.
    // False when a write failed (code 9); other serial errors are thrown on.
    bool SendImage();

    int32_t imageSize() const { return static_cast<int32_t>(image_.size()); }

protected:
    FileSend(Port& port, Clock& clock, WorkerHost& host, const DialogueProfile& dialogue,
             const FileSendProfile& profile);

    // Copies the file of that type from the host; its name goes to *name.
    void takeImage(int fileType, std::string* name);
    // Phase 100; the worker's other phases are its own.
    void filePass();
    // The receiver accepted the file ("File OK!" of a list).
    virtual void Accepted() {}
    void releaseBuffers() override;

private:
    void request();
    void send();
    void announce();
    void check();
    void store();
    bool emptyReadLimitReached(bool logIt);
    // One read; false after counting (and logging) an empty one.
    bool readSomething();

    const FileSendProfile& profile_;
    std::vector<uint8_t> image_;
    int32_t sentCount_ = 0;
};
