#include "tests/app/WindowFixture.h"

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

QAction* WindowTest::portItem(std::size_t i) {
    return action(
        QByteArray("COM" + QByteArray::number(static_cast<int>(i) + 1) + "1").constData());
}

QList<QAction*> WindowTest::portItems() {
    QList<QAction*> items;
    for (std::size_t i = 0; i < PortScanResult::MaxItems; ++i)
        items.append(portItem(i));
    return items;
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
