#include "cli/ConsoleProgress.h"

#include <algorithm>
#include <ostream>

namespace {
constexpr int MarkStep = 10;
constexpr const char* ClearLine = "\r\033[K";
} // namespace

void ConsoleProgress::setPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == 0) {
        // Keep the last bar visible and start the next output on a line of its own.
        if (barShown_)
            out_ << "\n" << std::flush;
        barShown_ = false;
        percent_ = 0;
        nextMark_ = MarkStep;
        return;
    }
    if (!terminal_) {
        if (percent >= nextMark_) {
            out_ << percent << " %\n" << std::flush;
            nextMark_ = (percent / MarkStep + 1) * MarkStep;
        }
        percent_ = percent;
        return;
    }
    if (barShown_ && percent == percent_)
        return;
    percent_ = percent;
    drawBar();
}

void ConsoleProgress::line(const std::string& text) {
    if (barShown_) {
        out_ << ClearLine << text << "\n";
        drawBar();
        return;
    }
    out_ << text << "\n" << std::flush;
}

void ConsoleProgress::drawBar() {
    const int filled = percent_ * BarWidth / 100;
    out_ << "\r[" << std::string(static_cast<size_t>(filled), '#')
         << std::string(static_cast<size_t>(BarWidth - filled), '-') << "] ";
    if (percent_ < 100)
        out_ << (percent_ < 10 ? "  " : " ");
    out_ << percent_ << " %" << std::flush;
    barShown_ = true;
}
