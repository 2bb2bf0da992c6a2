#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class QObject;

// Calls from a worker thread onto the GUI thread. Once the gate is closed
// (the window is going), every call returns at once, including one that
// waits right now; so a window that waits for its workers never waits for a
// worker that waits for it.
class GuiCallGate {
public:
    explicit GuiCallGate(QObject& target);

    // Runs fn on the target's thread and waits for it; at once when already
    // there; not at all once closed.
    void call(const std::function<void()>& fn);
    // Runs fn on the target's thread later; dropped once closed.
    void post(std::function<void()> fn);
    // GUI thread.
    void close();
    bool closed() const;

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        bool closed = false;
    };
    QObject& target_;
    // Shared with calls still queued, so none of them outlives what it uses.
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
};
