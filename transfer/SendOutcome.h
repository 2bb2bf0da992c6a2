#pragma once

#include "transfer/ReceiveOutcome.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <string>

class TransferState;

// The rules of a list send and a software update, shared by the main window
// and quelvox-cli: which files are lists, reading the files, the checks after
// the identity read, the backup of the receiver's list and the outcomes.

// A list file by its name: the ending "lst", in any letter case.
bool isListFileName(const QString& name);

// The receiver identity of a list image: its byte at offset 28.
uint8_t CheckChannelListOui(const uint8_t* image);

// Reads SendFileName into ListFileBuffer. Files shorter than 184997 bytes
// fail. The buffer always spans a whole list file: the bytes a shorter file
// lacks read as zero, so the checks never reach past it.
bool OpenChannelList(TransferState& state);

// Reads every named software file (size + 1 bytes each); false when none of
// them could be opened.
bool ReadFirmFiles(TransferState& state);
// The first software file that is a channel list (a list file's size and a
// valid list checksum); empty when there is none.
QString softwareFileThatIsAList(const TransferState& state);

// What follows the identity read before a list send.
struct ListSendCheck {
    enum class Verdict { Stop, Unsuitable, NoList, BackupFailed, Send };
    Verdict verdict = Verdict::Stop;
    QString backupPath; // Send: where the receiver's list was backed up
    std::string reason; // BackupFailed: why
};

// Steps 3 to 8 of the identity check, the port closed and the receive's
// outcome shown: the receiver's identity, release of the received list, the
// file read and checked, and the receiver's list written to a backup in
// backupFolder before anything is sent. The file names are those of the send.
ListSendCheck checkListForSend(TransferState& state, const QString& backupFolder);

// The backup's file name for a moment: "receiver-YYYYMMDD-HHMMSS.lst".
QString backupFileName(const QDateTime& when);

// The box a finished list send ends with.
OutcomeMessage finishListSend(const TransferState& state);
// The end of a software update: the buffers released, then its box.
OutcomeMessage finishSoftwareUpdate(TransferState& state);
