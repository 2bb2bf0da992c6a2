#pragma once

#include "serial/FileSend.h"

// The software update: one to three software files, each after "l" (the
// handshake only once), checked ("File OK!" is an intermediate report),
// written ("Write Sector") and stored; phase 1000 takes up the next file from
// the host's file-type cursor; after the last, UpdateDone and standby "s".
// The log goes to "logUpdate.txt". TFirmThread runs it.
class SoftwareUpdate : public FileSend {
public:
    static constexpr int32_t PhaseNextFile = 1000;

    SoftwareUpdate(Port& port, Clock& clock, WorkerHost& host);

protected:
    void transferPass() override;

private:
    void nextFile();
};
