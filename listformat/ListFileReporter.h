#pragma once

#include "fileio/FileWriter.h"

#include <QString>

// Failures of writing a list file or a text export, shown as plain message
// boxes ("Daten konnten nicht gespeichert werden", "Fehler beim
// String-Schreiben!") in the language of the moment.
class ListFileReporter {
public:
    virtual ~ListFileReporter() = default;
    virtual void plainMessage(const QString& text) = 0;
    // The writer's reason for a failed save, told before the message box.
    // The editor shows only the box; the console prints the reason too.
    virtual void writeFailed(const fileio::WriteResult& /*result*/) {}
};
