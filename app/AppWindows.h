#pragma once

#include "app/MainWindow.h"

#include <memory>

class TForm2;
class TSuche;
class TWarnung1;
class TWarnung2;
class TWarnung3;
class TWarnung4;
class TFavForm;
class TEditForm;
class TEditTransponder;

// Every window of the program, created once at start in this order and alive
// until the end: main window, about box, find dialog, the four warnings,
// favourites, editor, transponder dialog. Only the main window is shown.
struct AppWindows {
    AppWindows(UserDialogs& dialogs, Clock& clock);
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TSuche> Suche;
    std::unique_ptr<TWarnung1> Warnung1;
    std::unique_ptr<TWarnung2> Warnung2;
    std::unique_ptr<TWarnung3> Warnung3;
    std::unique_ptr<TWarnung4> Warnung4;
    std::unique_ptr<TFavForm> FavForm;
    std::unique_ptr<TEditForm> EditForm;
    std::unique_ptr<TEditTransponder> EditTransponder;
};
