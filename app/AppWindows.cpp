#include "app/AppWindows.h"

#include "app/AboutBox.h"
#include "channellist/ChannelListModel.h"
#include "editor/EditForm.h"
#include "editor/EditTransponder.h"
#include "editor/FavForm.h"
#include "editor/Suche.h"
#include "editor/Warnung.h"

AppWindows::AppWindows(UserDialogs& dialogs, Clock& clock)
    : Form1(std::make_unique<TForm1>(dialogs, clock)),
      Form2(std::make_unique<TForm2>(Form1->CommentText, Form1->FooterText)),
      Suche(std::make_unique<TSuche>()), Warnung1(std::make_unique<TWarnung1>()),
      Warnung2(std::make_unique<TWarnung2>()), Warnung3(std::make_unique<TWarnung3>()),
      Warnung4(std::make_unique<TWarnung4>()),
      FavForm(std::make_unique<TFavForm>(dialogs, channelList())),
      EditForm(std::make_unique<TEditForm>(dialogs, channelList())),
      EditTransponder(std::make_unique<TEditTransponder>()) {
    EditForm->setFavForm(FavForm.get());
    EditForm->setWarnings(Warnung1.get(), Warnung2.get(), Warnung3.get(), Warnung4.get());
    Form1->setPeerWindows({Form2.get(), Suche.get(), Warnung1.get(), Warnung2.get(), Warnung3.get(),
                           Warnung4.get(), FavForm.get(), EditForm.get(), EditTransponder.get()});
}

// The main window goes first: it stops a running terminal before the others go.
AppWindows::~AppWindows() {
    Form1.reset();
}
