#pragma once

#include "app/PortScan.h"

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QToolButton;
class QWidget;
namespace i18n {
class DialogTexts;
}

// The controls of the main window under their component names. Each command
// is one action, shared by its menu item and its tool-bar button; the
// language table finds every control by its name.
struct MainWindowControls {
    // Builds every control into the window (MainWindowLayout.cpp: tool bar,
    // terminal view, status line; MainWindowMenus.cpp: menus and actions).
    void build(QMainWindow& window);

    QWidget* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr; // offline
    QToolButton* SpeedButton2 = nullptr; // online
    QToolButton* SpeedButton3 = nullptr; // send
    QToolButton* SpeedButton4 = nullptr; // receive
    QToolButton* RedoButton = nullptr;
    QToolButton* CancelButton = nullptr;
    QToolButton* AnsichtNeuButton = nullptr;
    QToolButton* PortEinstButton = nullptr;
    QToolButton* SpeedButton5 = nullptr; // editor
    QToolButton* PrintButton = nullptr;
    QLabel* LabelSend = nullptr;
    QLineEdit* MaskEdit1 = nullptr;
    QComboBox* CBoxPortName = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPlainTextEdit* RichEdit1 = nullptr;
    QLabel* StatusBar1 = nullptr; // the status line's one text

    QMenu* Programm1 = nullptr;
    QAction* EinstellungenSpeichern1 = nullptr;
    QAction* Beenden1 = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QMenu* Port1 = nullptr;
    std::array<QAction*, PortScanResult::MaxItems> portItems{}; // COM11 .. COM191
    QMenu* Baudrate = nullptr;
    QAction* N115200 = nullptr;
    QMenu* System1 = nullptr;
    QAction* SystemType = nullptr;
    QAction* OnLine1 = nullptr;
    QAction* OffLine1 = nullptr;
    QAction* ReceiverTest1 = nullptr;
    QMenu* Sprache1 = nullptr;
    QAction* Englisch1 = nullptr;
    QAction* Deutsch1 = nullptr;
    QAction* Franzsisch1 = nullptr;
    QMenu* Datentransfer1 = nullptr;
    QAction* Datensenden1 = nullptr;
    QAction* Datenempfangen1 = nullptr;
    QAction* LetztenTransferwiederholen1 = nullptr;
    QAction* Cancel = nullptr; // the cancel button's command; no menu item
    QMenu* Werkzeug1 = nullptr;
    QAction* SenderlistenEditor1 = nullptr;
    QAction* Drucken1 = nullptr;
    QMenu* Ansicht1 = nullptr;
    QAction* NeueAnzeige1 = nullptr;
    QAction* PortEinstellung1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* HelpIndex1 = nullptr;
    QAction* Info1 = nullptr;
    i18n::DialogTexts* OpenDialog1 = nullptr;
    i18n::DialogTexts* SaveDialog1 = nullptr;

private:
    void buildMenus(QMainWindow& window);
    void buildPortMenu();
    void buildToolBar(QWidget& central);
    void buildTerminalView(QWidget& central);
};
