#pragma once

#include "fileio/FileWriter.h"

// What goes wrong while a list file or a text export is written, told in the
// order it happens. The caller words it for the user (the program: plain
// message boxes "Fehler beim String-Schreiben!" and "Daten konnten nicht
// gespeichert werden" in the language of the moment).
class ListFileReporter {
public:
    virtual ~ListFileReporter() = default;
    // A text or byte-array field could not be written whole; the save goes on.
    virtual void fieldWriteShort() = 0;
    // The file could not be written: the old one stays as it was. result
    // holds the writer's reason.
    virtual void saveFailed(const fileio::WriteResult& result) = 0;
};
