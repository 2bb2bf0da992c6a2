#pragma once

#include "ui/WindowRegistry.h"

class ChannelListModel;
class Clock;
class TForm1;
class UserDialogs;

// Builds every window of the program once at start, main window first, and
// keeps them in the registry until the end. Only the main window is shown.
class AppWindows {
public:
    AppWindows(UserDialogs& dialogs, Clock& clock, ChannelListModel& list);
    AppWindows(UserDialogs& dialogs, Clock& clock);
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    TForm1& mainWindow() { return *mainWindow_; }
    const ui::WindowRegistry& registry() const { return registry_; }

private:
    ui::WindowRegistry registry_;
    TForm1* mainWindow_ = nullptr;
};
