#pragma once

#include "app/AppWindows.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "i18n/Messages.h"
#include "i18n/WindowTexts.h"
#include "tests/support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QList>
#include <QMenu>
#include <QToolButton>

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>

// Windows of the program over fake dialogs and virtual time, in the test's
// own working directory (where "Quelvox.dat" lives).
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes "Quelvox.dat" with these values.
    static void writeSettings(uint8_t port, int32_t baud, uint8_t language, const char* title = "",
                              const char* comment = "", const char* footer = "");
    // Creates every window, as the program start does.
    void start();
    // Shows the main window over the given ports (COMn names).
    void show(const QList<SerialPortEntry>& ports);
    TForm1& form() { return windows->mainWindow(); }
    // A control of the main window by its component name.
    template <class T> T* control(const char* name) {
        T* found = form().findChild<T*>(QString::fromLatin1(name));
        if (!found)
            throw std::logic_error(std::string("no control ") + name);
        return found;
    }
    QAction* action(const char* name) { return control<QAction>(name); }
    QToolButton* button(const char* name) { return control<QToolButton>(name); }
    QMenu* menu(const char* name) { return control<QMenu>(name); }
    // Item i of the port menu (COM11 .. COM191), and all of them.
    QAction* portItem(std::size_t i);
    QList<QAction*> portItems();
    template <class W> W& window(i18n::Window id) { return *windows->registry().find<W>(id); }

    // Runs the event loop until cond holds or ms pass; returns cond().
    static bool waitFor(const std::function<bool()>& cond, int ms = 5000);

    FakeDialogs dialogs;
    VirtualClock clock;
    std::unique_ptr<AppWindows> windows;
};

QList<SerialPortEntry> fakePorts(std::initializer_list<int> numbers);

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
