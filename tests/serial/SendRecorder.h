#pragma once

#include "tests/serial/TransferRecorder.h"

#include <array>
#include <string>

// The window as the send workers see it: files by type and a file-type cursor
// over the types that have bytes.
class SendRecorder : public TransferRecorder {
public:
    std::array<std::string, 6> files;
    std::array<std::string, 6> names;
    bool accepted = false;
    bool done = false;
    int cursor = 0;

    uint8_t* GetFileBuffer(int type) override {
        return reinterpret_cast<uint8_t*>(files.at(static_cast<size_t>(type)).data());
    }
    int32_t GetFileSize(int type) override {
        return static_cast<int32_t>(files.at(static_cast<size_t>(type)).size());
    }
    void GetFirmFileName(int type, std::string& name) override {
        name = names.at(static_cast<size_t>(type));
    }
    int GetFirstFirmFileType() override {
        cursor = 0;
        return GetNextFirmFileType();
    }
    int GetNextFirmFileType() override {
        while (++cursor <= 3)
            if (!files[static_cast<size_t>(cursor)].empty())
                return cursor;
        return 0;
    }
    void setListAccepted(bool value) override { accepted = value; }
    void setUpdateDone(bool value) override { done = value; }
};
