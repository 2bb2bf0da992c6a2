#include "app/AppWindows.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "editor/FavForm.h"
#include "editor/Suche.h"
#include "editor/Warnung.h"
#include "help/HelpWindow.h"
#include "listmodel/ChannelListModel.h"

// One line per window, in the order of creation. A window that follows the
// language switch needs its line here and its rows in the window-text table.
AppWindows::AppWindows(UserDialogs& dialogs, Clock& clock, ChannelListModel& list) {
    mainWindow_ = &registry_.add(std::make_unique<TForm1>(dialogs, clock, registry_));
    const Settings& settings = mainWindow_->settings();
    registry_.add(std::make_unique<TForm2>(settings.CommentText, settings.FooterText));
    auto& suche = registry_.add(std::make_unique<TSuche>());
    auto& warnung1 = registry_.add(std::make_unique<TWarnung1>());
    auto& warnung2 = registry_.add(std::make_unique<TWarnung2>());
    auto& warnung3 = registry_.add(std::make_unique<TWarnung3>());
    auto& warnung4 = registry_.add(std::make_unique<TWarnung4>());
    auto& favForm = registry_.add(std::make_unique<TFavForm>(dialogs, list));
    auto& editForm = registry_.add(std::make_unique<TEditForm>(dialogs, list));
    auto& editTransponder = registry_.add(std::make_unique<TEditTransponder>(dialogs, list));
    editForm.setFavForm(&favForm);
    editForm.setFinder(&suche);
    editForm.setTransponderDialog(&editTransponder);
    editForm.setAboutBox([this, &dialogs] {
        if (auto* about = registry_.find<TForm2>(i18n::Window::Form2))
            dialogs.execDialog(*about);
    });
    editForm.setWarnings(&warnung1, &warnung2, &warnung3, &warnung4);
    registry_.add(std::make_unique<help::HelpWindow>());
}

AppWindows::AppWindows(UserDialogs& dialogs, Clock& clock)
    : AppWindows(dialogs, clock, channelList()) {}
