#include "cli/ConsoleDisplay.h"

#include <QString>

ConsoleDisplay::ConsoleDisplay(TransferState& state, ConsoleProgress& progress,
                               std::string portName)
    : TransferHost(state), progress_(progress), portName_(std::move(portName)) {}

void ConsoleDisplay::ShowStatus(const std::string& line) {
    const QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    progress_.line(QString::fromLatin1(bytes).toLocal8Bit().toStdString());
}

void ConsoleDisplay::statusChanged(const std::string& latin1) {
    if (latin1.empty() || latin1 == lastStatus_)
        return;
    lastStatus_ = latin1;
    ShowStatus(latin1);
}
