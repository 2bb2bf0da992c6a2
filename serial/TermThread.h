#pragma once

#include "serial/Clock.h"
#include "serial/Port.h"
#include "serial/Terminal.h"
#include "serial/TerminalCommandBuffer.h"
#include "serial/WorkerHost.h"
#include "serial/WorkerThread.h"

// The online terminal's worker: runs a TerminalSession on the open port until
// CancelByUser or a serial error (then without a log). A lost line
// (ECommError::lineLost) shows no box: the window reports it and waits for the
// device. The port must stay open while the thread runs; the owner closes it
// after finished().
class TTermThread : public TWorkerThread {
    Q_OBJECT
public:
    TTermThread(Port& port, WorkerHost& host, Clock& clock, QObject* parent = nullptr);

    // GUI thread: one typed character for the command buffer (Enter is 13).
    // Characters beyond 1023 waiting ones are dropped.
    void appendChar(char c);

    // Any thread: the device node has vanished; the run ends as on a lost line.
    void lineGone();

    const TerminalSession& session() const;
};
