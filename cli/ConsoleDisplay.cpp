#include "cli/ConsoleWorkerHost.h"

#include <QString>
#include <algorithm>

ConsoleWorkerHost::ConsoleWorkerHost(ConsoleProgress& progress, std::string portName)
    : progress_(progress), portName_(std::move(portName)), receiveBuffer_(ReceiveBufferSize, 0) {}

void ConsoleWorkerHost::ShowStatus(const std::string& line) {
    const QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    progress_.line(QString::fromLatin1(bytes).toLocal8Bit().toStdString());
}

void ConsoleWorkerHost::statusChanged(const std::string& latin1) {
    if (latin1.empty() || latin1 == lastStatus_)
        return;
    lastStatus_ = latin1;
    ShowStatus(latin1);
}

int32_t ConsoleWorkerHost::receivedSize() const {
    return std::clamp<int32_t>(receivedSize_, 0, static_cast<int32_t>(ReceiveBufferSize));
}
