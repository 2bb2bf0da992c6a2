#include "cli/ConsoleDisplay.h"

#include <QString>

ConsoleDisplay::ConsoleDisplay(TransferState& state, ConsoleProgress& progress,
                               std::string portName)
    : TransferHost(state), progress_(progress), portName_(std::move(portName)) {}

void ConsoleDisplay::ShowStatus(const std::string& line) {
    // The worker shows a line and its status then holds it: one print.
    if (line.empty() || line == lastStatus_)
        return;
    lastStatus_ = line;
    const QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    progress_.line(QString::fromLatin1(bytes).toLocal8Bit().toStdString());
}
