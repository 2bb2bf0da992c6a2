#pragma once

#include "fileio/FileWriter.h"
#include "listformat/ListFileReporter.h"
#include "listformat/TextExport.h"

#include <QString>

// The list file's failures as plain messages in the language of the moment:
// "Fehler beim String-Schreiben!" for a field written short, "Daten konnten
// nicht gespeichert werden" for a save that failed.
class ListFileMessages : public ListFileReporter {
public:
    virtual void plainMessage(const QString& text) = 0;
    // The writer's reason for a failed save, told before the message box.
    // The editor shows only the box; the console prints the reason too.
    virtual void writeFailed(const fileio::WriteResult& /*result*/) {}

    void fieldWriteShort() final;
    void saveFailed(const fileio::WriteResult& result) final;
};

// The words of a text export from the message slots of the moment.
ExportWords currentExportWords();
