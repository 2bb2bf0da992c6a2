#include "app/GuiCallGate.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

GuiCallGate::GuiCallGate(QObject& target) : target_(target) {}

void GuiCallGate::call(const std::function<void()>& fn) {
    if (QThread::currentThread() == target_.thread()) {
        fn();
        return;
    }
    auto shared = shared_;
    auto finished = std::make_shared<bool>(false);
    {
        std::lock_guard lock(shared->mutex);
        if (shared->closed)
            return;
    }
    QMetaObject::invokeMethod(
        &target_,
        [shared, finished, fn] {
            bool run;
            {
                std::lock_guard lock(shared->mutex);
                run = !shared->closed;
            }
            if (run)
                fn();
            {
                std::lock_guard lock(shared->mutex);
                *finished = true;
            }
            shared->done.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(shared->mutex);
    shared->done.wait(lock, [&] { return *finished || shared->closed; });
}

void GuiCallGate::post(std::function<void()> fn) {
    if (closed())
        return;
    auto shared = shared_;
    QMetaObject::invokeMethod(
        &target_,
        [shared, fn = std::move(fn)] {
            bool run;
            {
                std::lock_guard lock(shared->mutex);
                run = !shared->closed;
            }
            if (run)
                fn();
        },
        Qt::QueuedConnection);
}

void GuiCallGate::close() {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->closed = true;
    }
    shared_->done.notify_all();
}

bool GuiCallGate::closed() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->closed;
}
