#include "serial/SoftwareUpdate.h"

namespace {
using Report = FileSendProfile::Report;
using Next = Report::Next;

// "Write Sector" is tested before "File OK!": when both arrive in one chunk
// the file is already being written.
// clang-format off
constexpr Report kSoftwareReports[] = {
    {"Write Sector", Next::Store, "Datei wird gespeichert", 3000, true, false},
    {"File OK!", Next::Stay, "Datei wurde \xFC" "bernommen", 0, true, false},
    {"ready", Next::Standby, "Die Datei ist besch\xE4" "digt.", 100, true, false},
};
// clang-format on

const FileSendProfile kSoftwareFileProfile{
    .sendingStatus = "Datei wird \xFC"
                     "bertragen...",
    .sentStatus = "Datei vollst\xE4ndig \xFC"
                  "bertragen",
    .checkingStatus = "Integrit\xE4t der Datei wird \xFC"
                      "berpr\xFC"
                      "ft",
    .reports = kSoftwareReports,
    .reportCount = 3,
    .phaseAfterStored = SoftwareUpdate::PhaseNextFile,
};

constexpr const char* kAllSentStatus = "Alle Dateien wurden \xFC"
                                       "bertragen";
constexpr int64_t kLastFilePauseMs = 500;
constexpr int64_t kNextFilePauseMs = 1000;
} // namespace

SoftwareUpdate::SoftwareUpdate(Port& port, Clock& clock, WorkerHost& host)
    : FileSend(port, clock, host, kSoftwareUpdateProfile, kSoftwareFileProfile) {
    dialogue().addLog("Loading firmware");
    const int type = host.GetFirstFirmFileType();
    if (type == 0) {
        dialogue().setPhase(ReceiverDialogue::PhaseWindUp);
        return;
    }
    std::string name;
    takeImage(type, &name);
    dialogue().addLog("Loading file: " + name);
}

void SoftwareUpdate::transferPass() {
    if (phase() == PhaseFile)
        filePass();
    else if (phase() == PhaseNextFile)
        nextFile();
    else
        dialogue().setPhase(ReceiverDialogue::PhaseWindUp); // no phase of this worker
}

void SoftwareUpdate::nextFile() {
    ReceiverDialogue& d = dialogue();
    const int type = d.host().GetNextFirmFileType();
    if (type != 0) {
        d.setPhase(PhaseFile);
        d.setStep(StepRequest);
        std::string name;
        takeImage(type, &name);
        d.host().Rendezvous();
        d.addLog("Next file: " + name);
    } else {
        d.setPhase(ReceiverDialogue::PhaseStandby);
        d.setStatus(kAllSentStatus);
        d.host().setUpdateDone(true);
        d.show();
        d.logStatus();
        d.clock().sleepMs(kLastFilePauseMs);
    }
    d.clock().sleepMs(kNextFilePauseMs);
}
