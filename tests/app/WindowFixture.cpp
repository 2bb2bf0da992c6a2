#include "tests/app/WindowFixture.h"

#include "app/AboutBox.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "editor/FavForm.h"
#include "editor/Suche.h"
#include "editor/Warnung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

void WindowTest::SetUp() {
    i18n::resetMessages();
    QFile::remove(QString::fromLatin1(Settings::FileName));
}

void WindowTest::TearDown() {
    windows.reset();
    QFile::remove(QString::fromLatin1(Settings::FileName));
    i18n::resetMessages();
}

void WindowTest::writeSettings(uint8_t port, int32_t baud, uint8_t language, const char* title,
                               const char* comment, const char* footer) {
    Settings s;
    s.PortNumber = port;
    s.BaudRate = baud;
    s.LanguageId = language;
    s.TitleText = title;
    s.CommentText = comment;
    s.FooterText = footer;
    ASSERT_EQ(s.write(QString::fromLatin1(Settings::FileName)), Settings::SaveResult::Saved);
}

void WindowTest::start() {
    windows = std::make_unique<AppWindows>(dialogs, clock);
}

void WindowTest::show(const QList<SerialPortEntry>& ports) {
    form().setPortScanner([ports] { return ports; });
    form().show();
}

bool WindowTest::waitFor(const std::function<bool()>& cond, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!cond() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return cond();
}

QList<SerialPortEntry> fakePorts(std::initializer_list<int> numbers) {
    QList<SerialPortEntry> list;
    for (int n : numbers)
        list.append({QStringLiteral("COM%1").arg(n), QStringLiteral("/dev/fake%1").arg(n), {}});
    return list;
}

QWidget* windowFor(AppWindows& w, i18n::Window id) {
    switch (id) {
    case i18n::Window::Form1:
        return w.Form1.get();
    case i18n::Window::Form2:
        return w.Form2.get();
    case i18n::Window::Suche:
        return w.Suche.get();
    case i18n::Window::EditForm:
        return w.EditForm.get();
    case i18n::Window::FavForm:
        return w.FavForm.get();
    case i18n::Window::Warnung1:
        return w.Warnung1.get();
    case i18n::Window::Warnung2:
        return w.Warnung2.get();
    case i18n::Window::Warnung3:
        return w.Warnung3.get();
    case i18n::Window::Warnung4:
        return w.Warnung4.get();
    case i18n::Window::EditTransponder:
        return w.EditTransponder.get();
    }
    return nullptr;
}
