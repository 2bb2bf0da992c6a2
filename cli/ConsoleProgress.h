#pragma once

#include <iosfwd>
#include <string>

// Progress and status lines of a transfer on the console. On a terminal the
// progress is a bar redrawn in place (carriage return) and status lines are
// written above it; elsewhere (a pipe, a log file) it is a plain "N %" line at
// most every 10 %, so a captured output stays short and readable.
class ConsoleProgress {
public:
    static constexpr int BarWidth = 40;

    ConsoleProgress(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

    // 0..100; 0 ends the current bar (the transfer has wound up).
    void setPercent(int percent);
    // One status line, already in the console's encoding.
    void line(const std::string& text);

private:
    void drawBar();

    std::ostream& out_;
    bool terminal_;
    int percent_ = 0;
    bool barShown_ = false;
    int nextMark_ = 10; // next percentage worth a line when not on a terminal
};
