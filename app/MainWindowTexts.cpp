// The German texts the main window starts with.
#include "app/MainWindow.h"

#include "i18n/WindowTexts.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

// The German texts the window starts with (the language commands replace them).
void TForm1::setStartupTexts() {
    const struct {
        QObject* target;
        const char* text;
    } captions[] = {
        {Programm1, "Programm"},
        {EinstellungenSpeichern1, "Einstellungen speichern"},
        {Beenden1, "Beenden"},
        {Einstellungen1, "Einstellungen"},
        {Port1, "&Port"},
        {Baudrate, "&Baudrate"},
        {N115200, "&115200"},
        {System1, "System"},
        {SystemType, "Low Speed(PII oder kleiner)"},
        {OnLine1, "&On Line"},
        {OffLine1, "&Off Line"},
        {ReceiverTest1, "Receiver-Test"},
        {Sprache1, "Sprache"},
        {Englisch1, "Englisch"},
        {Deutsch1, "Deutsch"},
        {Franzsisch1, "Französisch"},
        {Datentransfer1, "Datentransfer"},
        {Datensenden1, "Daten senden..."},
        {Datenempfangen1, "Daten empfangen..."},
        {LetztenTransferwiederholen1, "Letzten Transfer wiederholen..."},
        {Werkzeug1, "Werkzeug"},
        {SenderlistenEditor1, "Senderlisten-Editor"},
        {Drucken1, "Drucken"},
        {Ansicht1, "Ansicht"},
        {NeueAnzeige1, "Neue Anzeige"},
        {PortEinstellung1, "Port-Einstellung"},
        {Help1, "&Hilfe"},
        {HelpIndex1, "&Inhalt"},
        {Info1, "&Info..."},
    };
    for (const auto& c : captions) {
        const QString text = QString::fromUtf8(c.text);
        if (auto* menu = qobject_cast<QMenu*>(c.target))
            menu->setTitle(text);
        else
            static_cast<QAction*>(c.target)->setText(text);
    }

    const struct {
        QToolButton* button;
        const char* hint;
    } hints[] = {
        {SpeedButton2, "Online"},
        {SpeedButton1, "Offline"},
        {SpeedButton3, "Daten senden"},
        {SpeedButton4, "Daten empfangen"},
        {RedoButton, "Letzten Transfer wiederholen"},
        {CancelButton, "Abbrechen"},
        {AnsichtNeuButton, "Anzeige löschen"},
        {PortEinstButton, "Port-Einstellungen anzeigen"},
        {SpeedButton5, "Senderlisten-Editor"},
        {PrintButton, "Fensterinhalt drucken"},
    };
    for (const auto& h : hints)
        h.button->setToolTip(QString::fromUtf8(h.hint));

    OpenDialog1->title = QString::fromUtf8("Zu sendende Datei auswählen");
    OpenDialog1->filter = QStringLiteral("Software-Datei (*.app)|*.app|List-Datei (*.lst)|*.lst");
    SaveDialog1->title = QStringLiteral("Empfangene Daten speichern in...");
    SaveDialog1->filter = QStringLiteral("List-Datei (*.lst)|*.lst");
}
