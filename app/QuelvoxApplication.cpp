#include "app/QuelvoxApplication.h"

#include <QMessageBox>

#include <exception>

QuelvoxApplication::QuelvoxApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Quelvox"));
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
