// Calls from a worker onto the GUI thread: answered while the window lives,
// released at once when it closes, even when the GUI thread never gets to
// them.
#include "app/GuiCallGate.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <thread>

TEST(GuiCallGate, WaitingCallRunsOnTheTargetThreadOrIsReleasedByClose) {
    QObject target;
    GuiCallGate gate(target);

    std::atomic<bool> ran{false};
    std::atomic<bool> returned{false};
    std::thread answered([&] {
        gate.call([&] { ran = QThread::currentThread() == target.thread(); });
        returned = true;
    });
    while (!returned)
        QCoreApplication::processEvents();
    answered.join();
    EXPECT_TRUE(ran);

    // The GUI thread stops answering (it waits for the worker, as a closing
    // window does): only close() can end the call.
    ran = false;
    returned = false;
    std::thread waiting([&] {
        gate.call([&] { ran = true; });
        gate.post([&] { ran = true; });
        returned = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(returned);
    gate.close();
    waiting.join();
    QCoreApplication::processEvents(); // what was queued before stays undone
    EXPECT_FALSE(ran);
    EXPECT_TRUE(gate.closed());
}
