#pragma once

#include "cli/ConsoleProgress.h"
#include "transfer/TransferHost.h"

#include <string>

// The main window's display calls, for quelvox-cli: status lines and progress
// on the console. The worker runs on the calling thread.
class ConsoleDisplay : public TransferHost {
public:
    // portName: the device as given on the command line, named in the
    // give-up status.
    ConsoleDisplay(TransferState& state, ConsoleProgress& progress, std::string portName);

    void GetComPort(std::string& name) override { name = portName_; }
    // A status line (Latin-1), printed when it differs from the last one,
    // whether the worker shows it or the run loop finds it changed, so each
    // line shows once and repeated "Bitte warten.." passes show once.
    void ShowStatus(const std::string& line) override;
    void insertTerminalText(const std::string& /*text*/) override {}
    void clearInputField() override {}
    void Rendezvous() override {}
    void setProgress(int percent) override { progress_.setPercent(percent); }

private:
    ConsoleProgress& progress_;
    std::string portName_;
    std::string lastStatus_;
};
