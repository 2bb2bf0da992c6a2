#pragma once

#include <QThread>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

// A worker's state machine as a thread runs it.
class WorkerMachine {
public:
    virtual ~WorkerMachine() = default;
    // Runs to the end on the worker thread. Throws ECommError from the port.
    virtual void Run() = 0;
    // From the GUI thread: end the run soon (log, the UserCancelled flag).
    virtual void CancelByUser() = 0;
};

// The thread shell of every worker (terminal, list receive, list send,
// software update): runs its machine once and records how the run ended.
// Create it, connect finished() (the completion event), then start(). A
// serial failure ends the run: the port has shown its box already, the error
// is recorded here and finished() still fires. Deleting a running worker
// cancels it and waits for its end.
class TWorkerThread : public QThread {
    Q_OBJECT
public:
    ~TWorkerThread() override;

    // GUI thread.
    void CancelByUser() { machine_->CancelByUser(); }

    // After finished(): whether the run ended by an exception; the serial
    // error's code and errno (0 for other failures) and a text for the others.
    bool failed() const { return failed_.load(); }
    uint8_t errorCode() const { return errorCode_.load(); }
    int32_t systemError() const { return systemError_.load(); }
    std::string failure() const;

protected:
    explicit TWorkerThread(std::unique_ptr<WorkerMachine> machine, QObject* parent = nullptr);
    void run() override;
    WorkerMachine& machine() { return *machine_; }
    const WorkerMachine& machine() const { return *machine_; }

private:
    std::unique_ptr<WorkerMachine> machine_;
    std::atomic<bool> failed_{false};
    std::atomic<uint8_t> errorCode_{0};
    std::atomic<int32_t> systemError_{0};
    mutable std::mutex failureMutex_;
    std::string failure_;
};
