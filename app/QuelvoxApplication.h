#pragma once

#include <QApplication>

// The application object: an exception that leaves an event handler is shown
// in a box instead of ending the program.
class QuelvoxApplication : public QApplication {
public:
    QuelvoxApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
