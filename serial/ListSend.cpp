#include "serial/ListSend.h"

namespace {
using Report = FileSendProfile::Report;
using Next = Report::Next;

constexpr int kListToSend = 5;

// clang-format off
constexpr Report kListReports[] = {
    {"File OK!", Next::Store, "Liste wurde \xFC" "bernommen", 5000, false, true},
    {"ready", Next::Standby, "Die Senderliste ist besch\xE4" "digt.", 100, false, false},
};
// clang-format on

const FileSendProfile kListFileProfile{
    .sendingStatus = "Liste wird \xFC"
                     "bertragen...",
    .sentStatus = "Liste vollst\xE4ndig \xFC"
                  "bertragen",
    .checkingStatus = "Integrit\xE4t der Liste wird \xFC"
                      "berpr\xFC"
                      "ft",
    .reports = kListReports,
    .reportCount = 2,
    .phaseAfterStored = ReceiverDialogue::PhaseStandby,
};
} // namespace

ListSend::ListSend(Port& port, Clock& clock, WorkerHost& host)
    : FileSend(port, clock, host, kListSendProfile, kListFileProfile) {
    std::string name;
    takeImage(kListToSend, &name);
    dialogue().addLog("Loading channel list");
    dialogue().addLog(name);
}

void ListSend::transferPass() {
    if (phase() == PhaseFile)
        filePass();
    else
        dialogue().setPhase(ReceiverDialogue::PhaseWindUp); // no phase of this worker
}

void ListSend::Accepted() {
    // The host sets the flag in a synchronised call.
    dialogue().host().setListAccepted(true);
}
