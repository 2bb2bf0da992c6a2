#pragma once

#include "serial/FileSend.h"

#include <string>

// The list send: after the handshake, "100", the list image (a copy of file
// type 5 made at start), then the receiver's check ("File OK!" sets
// ListAccepted, "ready" means a damaged list) and its storing; then the shared
// standby and wind-up into "logLoad.txt". TLoadThread runs it.
class ListSend : public FileSend {
public:
    ListSend(Port& port, Clock& clock, WorkerHost& host);

    // Before the run: one more log line after the file's name (the backup of
    // the receiver's list that was written before this send).
    void addStartNote(std::string line) { dialogue().addLog(std::move(line)); }

protected:
    void transferPass() override;
    void Accepted() override;
};
