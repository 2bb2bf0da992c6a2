#include "app/AppWindows.h"
#include "app/MainWindow.h"
#include "app/QuelvoxApplication.h"
#include "fileio/FileWriter.h"
#include "help/HelpViewer.h"
#include "listmodel/ChannelListModel.h"
#include "serial/Clock.h"
#include "serial/PortLock.h"
#include "ui/QtUserDialogs.h"

#include <QScreen>

int main(int argc, char** argv) {
    fileio::reportWritesPastSizeLimit();
    QuelvoxApplication app(argc, argv);
    // A kill or a hang-up of the terminal it was started from must not leave
    // the port locked for the next start.
    PortLock::removeLocksOnDeadlySignals();
    help::setCurrentHelpFile(QStringLiteral("helpde.chm"));

    QtUserDialogs dialogs;
    AppWindows windows(dialogs, SteadyClock::instance(), channelList());
    TForm1& mainWindow = windows.mainWindow();
    // Sized to the screen first: without a window manager "maximised" is
    // only a hint nobody acts on.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mainWindow.resize(screen->availableGeometry().size());
    mainWindow.showMaximized();
    return app.exec();
}
