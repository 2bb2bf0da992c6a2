#include "app/QuelvoxApplication.h"

#include <QIcon>
#include <QMessageBox>

#include <exception>

QuelvoxApplication::QuelvoxApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quelvox"));
    // The menu entry and icon of an installed Quelvox (a desktop that groups
    // windows by their entry finds it through this name).
    setDesktopFileName(QStringLiteral("de.quelvox.Quelvox"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("quelvox")));
}

bool QuelvoxApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Quelvox"),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Quelvox"),
                              QStringLiteral("Unknown error"));
    }
    return false;
}
