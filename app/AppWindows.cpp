#include "app/AppWindows.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "channellist/ChannelListModel.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "editor/FavForm.h"
#include "editor/Suche.h"
#include "editor/Warnung.h"

// One line per window, in the order of creation. A window that follows the
// language switch needs its line here and its rows in the window-text table.
AppWindows::AppWindows(UserDialogs& dialogs, Clock& clock, ChannelListModel& list) {
    mainWindow_ = &registry_.add(std::make_unique<TForm1>(dialogs, clock, registry_));
    const Settings& settings = mainWindow_->settings();
    registry_.add(std::make_unique<TForm2>(settings.CommentText, settings.FooterText));
    registry_.add(std::make_unique<TSuche>());
    registry_.add(std::make_unique<TWarnung1>());
    registry_.add(std::make_unique<TWarnung2>());
    registry_.add(std::make_unique<TWarnung3>());
    registry_.add(std::make_unique<TWarnung4>());
    registry_.add(std::make_unique<TFavForm>(dialogs, list));
    registry_.add(std::make_unique<TEditForm>(dialogs, list));
    registry_.add(std::make_unique<TEditTransponder>());
}

AppWindows::AppWindows(UserDialogs& dialogs, Clock& clock)
    : AppWindows(dialogs, clock, channelList()) {}
