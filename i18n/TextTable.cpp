#include "i18n/TextTable.h"

#include <cstddef>
#include <iterator>

namespace i18n {
namespace {

using enum Window;
using enum Property;

constexpr TextRow msg(Msg slot, const char* start, const char* de, const char* en, const char* fr) {
    return {Messages, "", Message, static_cast<int>(slot), start, de, en, fr};
}

// UTF-8 source text. Start-up column: nullptr means the German text. Language
// columns: nullptr leaves the target alone.
constexpr TextRow rows[] = {
    // Main window
    {Form1, "Help1", Caption, 0, "&Hilfe", "Hilfe", "Help", "Aide"},
    {Form1, "HelpIndex1", Caption, 0, "&Inhalt", "Hilfe", "Help", "Aide"},
    {Form1, "Programm1", Caption, 0, nullptr, "Programm", "Program", "Programme"},
    {Form1, "Einstellungen1", Caption, 0, nullptr, "Einstellungen", "Setup", "Réglages"},
    {Form1, "Datentransfer1", Caption, 0, nullptr, "Datentransfer", "Data Transfer",
     "Transfer des données"},
    {Form1, "Werkzeug1", Caption, 0, nullptr, "Werkzeug", "Tools", "Outil"},
    {Form1, "Ansicht1", Caption, 0, nullptr, "Ansicht", "Display", "Avis"},
    {Form1, "EinstellungenSpeichern1", Caption, 0, nullptr, "Einstellungen speichern",
     "Save Settings", "Mémoriser les Réglages"},
    {Form1, "Beenden1", Caption, 0, nullptr, "Beenden", "Close All", "Quitter"},
    {Form1, "System1", Caption, 0, nullptr, "System", "System", "Système"},
    {Form1, "SystemType", Caption, 0, nullptr, "Low Speed(PII oder kleiner)",
     "Low Speed(PII or lower)", "Low Speed(PII ou plus petit)"},
    {Form1, "ReceiverTest1", Caption, 0, nullptr, "Receiver-Test", "Receiver Test",
     "Test du Récepteur"},
    {Form1, "Datensenden1", Caption, 0, nullptr, "Daten senden...", "Send Data...",
     "Envoyer les données..."},
    {Form1, "Datenempfangen1", Caption, 0, nullptr, "Daten empfangen...", "Receive Data...",
     "Recevoir les données..."},
    {Form1, "LetztenTransferwiederholen1", Caption, 0, nullptr, "Letzten Transfer wiederholen...",
     "Redo last transfer...", "Répéter le dernier transfert..."},
    {Form1, "SenderlistenEditor1", Caption, 0, nullptr, "Senderlisten-Editor",
     "Channel List Editor", "Editeur de liste des émetteurs"},
    {Form1, "Drucken1", Caption, 0, nullptr, "Drucken", "Print", "Imprimer"},
    {Form1, "NeueAnzeige1", Caption, 0, nullptr, "Neue Anzeige", "Clear Monitor",
     "Nouvelle indication"},
    {Form1, "PortEinstellung1", Caption, 0, nullptr, "Port-Einstellung", "Port Setup",
     "Réglages du Port"},
    {Form1, "Sprache1", Caption, 0, nullptr, "Sprache", "Language", "Langue"},
    {Form1, "Deutsch1", Caption, 0, nullptr, "Deutsch", "German", "Allemand"},
    {Form1, "Englisch1", Caption, 0, nullptr, "Englisch", "English", "Anglais"},
    {Form1, "Franzsisch1", Caption, 0, nullptr, "Französisch", "French", "Français"},
    {Form1, "SpeedButton3", Hint, 0, nullptr, "Daten senden", "Send Data", "Envoyer les données"},
    {Form1, "SpeedButton4", Hint, 0, nullptr, "Daten empfangen", "Receive Data",
     "Recevoir les données"},
    {Form1, "RedoButton", Hint, 0, nullptr, "Letzten Transfer wiederholen", "Redo",
     "Répéter le dernier transfert"},
    {Form1, "CancelButton", Hint, 0, nullptr, "Abbrechen", "Cancel", "Quitter"},
    {Form1, "AnsichtNeuButton", Hint, 0, nullptr, "Anzeige löschen", "Clear Monitor",
     "Effacer l'indication"},
    {Form1, "PortEinstButton", Hint, 0, nullptr, "Port-Einstellungen anzeigen",
     "Display Port Setup", "Indiquer Réglages du Port"},
    {Form1, "SpeedButton5", Hint, 0, nullptr, "Senderlisten-Editor", "Channel List Editor",
     "Editeur de liste des émetteurs"},
    {Form1, "PrintButton", Hint, 0, nullptr, "Fensterinhalt drucken", "Print Window",
     "Imprimer la fenêtre"},
    {Form1, "OpenDialog1", DialogTitle, 0, nullptr, "Zu sendende Datei auswählen", "Select file...",
     "Choisir le fichier à transferer"},
    {Form1, "SaveDialog1", DialogTitle, 0, nullptr, "Empfangene Daten speichern in...",
     "Save received file in...", "mémoriser les donneés sous..."},
    {Form1, "OpenDialog1", DialogFilter, 0, nullptr,
     "Software-Datei (*.app)|*.app|List-Datei (*.lst)|*.lst",
     "Software File (*.app)|*.app|List-File (*.lst)|*.lst",
     "Software-Fichier (*.app)|*.app|List-Fichier (*.lst)|*.lst"},
    {Form1, "SaveDialog1", DialogFilter, 0, nullptr, "List-Datei (*.lst)|*.lst",
     "List File (*.lst)|*.lst", "Liste-Fichier (*.lst)|*.lst"},
    // Start-up texts no language changes.
    {Form1, "Port1", Caption, 0, "&Port", nullptr, nullptr, nullptr},
    {Form1, "Baudrate", Caption, 0, "&Baudrate", nullptr, nullptr, nullptr},
    {Form1, "N115200", Caption, 0, "&115200", nullptr, nullptr, nullptr},
    {Form1, "OnLine1", Caption, 0, "&On Line", nullptr, nullptr, nullptr},
    {Form1, "OffLine1", Caption, 0, "&Off Line", nullptr, nullptr, nullptr},
    {Form1, "Info1", Caption, 0, "&Info...", nullptr, nullptr, nullptr},
    {Form1, "SpeedButton2", Hint, 0, "Online", nullptr, nullptr, nullptr},
    {Form1, "SpeedButton1", Hint, 0, "Offline", nullptr, nullptr, nullptr},
    {Form1, "LabelSend", Caption, 0, "Send", nullptr, nullptr, nullptr},
    // What assistive tools call the controls that show no caption.
    {Form1, "RichEdit1", AccessibleName, 0, nullptr, "Terminal", "Terminal", "Terminal"},
    {Form1, "MaskEdit1", AccessibleName, 0, nullptr, "Zu sendender Text", "Text to send",
     "Texte à envoyer"},
    {Form1, "CBoxPortName", AccessibleName, 0, nullptr, "COM-Port", "COM port", "Port COM"},
    {Form1, "ProgressBar1", AccessibleName, 0, nullptr, "Fortschritt der Übertragung",
     "Transfer progress", "Progression du transfert"},

    // About box
    {Form2, "", WindowTitle, 0, nullptr, "Info", "Info", "Info"},
    {Form2, "Title", Caption, 0, nullptr, "Quelvox v1.03 - Editor", " Quelvox v1.03 - Editor",
     " Quelvox v1.03 - Editeur"},
    {Form2, "OKButton", Caption, 0, "OK", nullptr, nullptr, nullptr},
    {Form2, "Image1", AccessibleName, 0, nullptr, "Logo", "Logo", "Logo"},

    // Find dialog
    {Suche, "Label1", Caption, 0, nullptr, "Zu suchender Text", "Search Item",
     "Texte à rechercher"},
    {Suche, "Button1", Caption, 0, nullptr, "Suche starten", "Start Search", "Chercher"},
    {Suche, "Button2", Caption, 0, nullptr, "Beenden", "Close", "Quitter"},
    {Suche, "", WindowTitle, 0, nullptr, "Suche...", "Search...", "Recherche..."},

    // Editor window
    {EditForm, "File1", Caption, 0, nullptr, "Datei", "File", "Fichier"},
    {EditForm, "Edit1", Caption, 0, nullptr, "Bearbeiten", "Edit", "Arranger"},
    {EditForm, "Ansicht1", Caption, 0, nullptr, "Ansicht", "Display", "Avis"},
    {EditForm, "Help1", Caption, 0, nullptr, "Hilfe", "Help", "Aide"},
    {EditForm, "Open1", Caption, 0, nullptr, "Öffnen...", "Open...", "Ouvrir..."},
    {EditForm, "Close1", Caption, 0, nullptr, "Schließen", "Close", "Fermer"},
    {EditForm, "Save1", Caption, 0, nullptr, "Speichern", "Save", "Sauvegarder"},
    {EditForm, "SaveAs1", Caption, 0, nullptr, "Speichern unter...", "Save As...",
     "Sauvegarder sous..."},
    {EditForm, "Reihenfolge1", Caption, 0, nullptr, "Reihenfolge übernehmen...",
     "Apply order from list...", "Appliquer l'ordre d'une liste..."},
    {EditForm, "Print1", Caption, 0, nullptr, "Drucken", "Print", "Imprimer"},
    {EditForm, "PrintSetup1", Caption, 0, nullptr, "Druckereinrichtung...", "Print Setup...",
     "Direction d'imprimerie..."},
    {EditForm, "Exit1", Caption, 0, nullptr, "Beenden", "Close All", "Quitter"},
    {EditForm, "Undo1", Caption, 0, nullptr, "Rückgängig", "Undo", "Annuler"},
    {EditForm, "Redo1", Caption, 0, nullptr, "Wiederherstellen", "Redo", "Rétablir"},
    {EditForm, "Cut1", Caption, 0, nullptr, "Ausschneiden", "Cut", "Découper"},
    {EditForm, "Copy1", Caption, 0, nullptr, "Kopieren", "Copy", "Copier"},
    {EditForm, "Paste1", Caption, 0, nullptr, "Einfügen", "Paste", "Insérer"},
    {EditForm, "Cut2", Caption, 0, "Cut", "Ausschneiden", nullptr, nullptr},
    {EditForm, "Copy2", Caption, 0, "Copy", "Kopieren", nullptr, nullptr},
    {EditForm, "Paste2", Caption, 0, "Paste", "Einfügen", nullptr, nullptr},
    {EditForm, "Find1", Caption, 0, nullptr, "Kanal suchen...", "Search Channel...",
     "Chercher l'émetteur..."},
    {EditForm, "Find2", Caption, 0, nullptr, "Frequenz suchen...", "Search Frequency...",
     "Chercher la fréquence..."},
    {EditForm, "Find3", Caption, 0, nullptr, "Transponder suchen...", "Search Transponder...",
     "Chercher le transpondeur..."},
    {EditForm, "Suchewiederholen1", Caption, 0, nullptr, "Suche wiederholen", "Repeat Search",
     "Répéter la recherche"},
    {EditForm, "Transponderbearbeiten1", Caption, 0, nullptr, "Transponder bearbeiten...",
     "Edit Transponder...", "Arranger le transpondeur..."},
    {EditForm, "UseHelp1", Caption, 0, nullptr, "Hilfe", "Help", "Aide"},
    {EditForm, "", WindowTitle, 0, nullptr, "Quelvox v1.03 - Editor", "Quelvox v1.03 - Editor",
     " Quelvox v1.03 - Editeur"},
    {EditForm, "FileOpenButton", Hint, 0, nullptr, "Datei öffnen", "Open File",
     "Ouvrir le fichier"},
    {EditForm, "SaveFileButton", Hint, 0, nullptr, "Datei speichern", "Save File",
     "Sauvegarder le fichier"},
    {EditForm, "PrintButton", Hint, 0, nullptr, "Senderliste drucken", "Print Channel List",
     "Imprimer la liste d'émetteur"},
    {EditForm, "FileCloseButton", Hint, 0, nullptr, "Datei schliessen", "Close File",
     "Fermer le fichier"},
    {EditForm, "CutButton", Hint, 0, nullptr, "Kanaldaten ausschneiden", "Cut Channel Data",
     "Découper les données d'émetteur"},
    {EditForm, "CopyButton", Hint, 0, nullptr, "Kanaldaten kopieren", "Copy Channel Data",
     "Copier les données d'émetteur"},
    {EditForm, "PasteButton", Hint, 0, nullptr, "Kanaldaten einfügen", "Paste Channel Data",
     "Insérer les données d'émetteur"},
    {EditForm, "FontButton", Hint, 0, nullptr, "Schriftart auswählen", "Select Font",
     "Choisir le genre d'écriture."},
    {EditForm, "TransponderButton", Hint, 0, nullptr, "Transponder bearbeiten", "Edit Transponder",
     "Arranger le transpondeur"},
    {EditForm, "StringGrid1", Heading, 0, nullptr, "Nr.", "Nr.", "Nr."},
    {EditForm, "StringGrid1", Heading, 1, nullptr, "Programm-Name", "Program-Name",
     "Nom de programme"},
    {EditForm, "StringGrid1", Heading, 2, nullptr, "Sat-Name", "Sat-Name", "Nom de Sat"},
    {EditForm, "StringGrid1", Heading, 3, nullptr, "Frequenz", "Frequency", "Fréquence"},
    {EditForm, "StringGrid1", Heading, 4, nullptr, "Pol.", "Pol.", "Pol."},
    {EditForm, "StringGrid1", Heading, 5, nullptr, "SR / BW", "SR / BW", "SR / BW"},
    {EditForm, "StringGrid1", Heading, 6, nullptr, "V-PID", "V-PID", "V-PID"},
    {EditForm, "StringGrid1", Heading, 7, nullptr, "A-PID", "A-PID", "A-PID"},
    {EditForm, "StringGrid1", Heading, 8, nullptr, "Pcr-PID", "Pcr-PID", "Pcr-PID"},
    {EditForm, "StringGrid1", Heading, 9, nullptr, "Ttx-PID", "Ttx-PID", "Ttx-PID"},
    {EditForm, "StringGrid1", Heading, 10, nullptr, "Prg.Nr.", "Prg.Nr.", "Prg.Nr."},
    {EditForm, "StringGrid1", Heading, 11, nullptr, "Prg.Typ", "Prg.Type", "Prg.Typ"},
    {EditForm, "StringGrid1", Heading, 12, nullptr, "Prg.Crypted", "Prg.Crypted", "Prg.Crypted"},
    {EditForm, "StringGrid1", Heading, 13, nullptr, "Transponder", "Transponder", "Transpondeur"},
    {EditForm, "OpenDialog1", DialogTitle, 0, nullptr, "Senderliste öffnen", "Open Channel List",
     "Ouvrir la liste d'émetteur"},
    {EditForm, "OpenDialog1", DialogFilter, 0, nullptr, "List-Datei (*.lst)|*.lst",
     "List-File (*.lst)|*.lst", "Liste-Fichier (*.lst)|*.lst"},
    {EditForm, "ReferenceDialog1", DialogTitle, 0, nullptr, "Referenzliste öffnen",
     "Open Reference List", "Ouvrir la liste de référence"},
    {EditForm, "ReferenceDialog1", DialogFilter, 0, nullptr,
     "List-Datei (*.lst)|*.lst|Text-Datei (*.txt;*.csv)|*.txt;*.csv",
     "List-File (*.lst)|*.lst|Text-File (*.txt;*.csv)|*.txt;*.csv",
     "Liste-Fichier (*.lst)|*.lst|Texte-Fichier (*.txt;*.csv)|*.txt;*.csv"},
    {EditForm, "SaveDialog1", DialogTitle, 0, nullptr, "Speichern unter...", "Save as...",
     "Sauvegarder sous..."},
    {EditForm, "SaveDialog1", DialogFilter, 0, nullptr,
     "List-Datei (*.lst)|*.lst|Text-Datei (*.txt)|*.txt",
     "List-File (*.lst)|*.lst|Text-File (*.txt)|*.txt",
     "Liste-Fichier (*.lst)|*.lst|Texte-Fichier (*.txt)|*.txt"},
    {EditForm, "StringGrid1", Heading, 14, nullptr, "Favoriten", "Favoriten", "Favoriten"},
    {EditForm, "Info1", Caption, 0, "Info", nullptr, nullptr, nullptr},
    {EditForm, "StringGrid1", AccessibleName, 0, nullptr, "Senderliste", "Channel list",
     "Liste d'émetteurs"},
    {EditForm, "ComboBox1", AccessibleName, 0, nullptr, "Receiver-Typ", "Receiver type",
     "Type de récepteur"},

    // Favourites window
    {FavForm, "", WindowTitle, 0, "Favoriten", nullptr, nullptr, nullptr},
    {FavForm, "Paste1", Caption, 0, nullptr, "Einfügen", "Paste", "Insérer"},
    {FavForm, "Delete1", Caption, 0, nullptr, "Löschen", "Delete", "Effacer"},
    {FavForm, "Paste", Caption, 0, nullptr, "Einfügen", "Paste", "Insérer"},
    {FavForm, "Delete", Caption, 0, nullptr, "Löschen", "Delete", "Effacer"},
    {FavForm, "StringGrid2", AccessibleName, 0, nullptr, "Favoriten", "Favourites", "Favoris"},

    // Warnings
    {Warnung1, "", WindowTitle, 0, nullptr, "Warnung", "Warning", "Advertissement"},
    {Warnung1, "OKBtn", Caption, 0, "OK", nullptr, nullptr, nullptr},
    {Warnung1, "Label1", Caption, 0, nullptr, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung1, "Label2", Caption, 0, nullptr,
     "Diese Listeneinstellung kann nicht gespeichert werden.",
     "This adjustment of the channel list cannot be saved.",
     "Pas possible de mémoriser la réglage de liste."},
    {Warnung1, "Label3", Caption, 0, nullptr,
     "Es können keine leeren Kanäle in die Liste eingefügt werden!",
     "It is not possible to add empty channels to the list!",
     "Impossible d' insérer des canaux vides!"},

    {Warnung2, "", WindowTitle, 0, nullptr, "Warnung", "Warning", "Advertissement"},
    {Warnung2, "OKBtn", Caption, 0, "OK", nullptr, nullptr, nullptr},
    {Warnung2, "Label1", Caption, 0, nullptr, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung2, "Label2", Caption, 0, nullptr,
     "Diese Listeneinstellung kann nicht gespeichert werden.",
     "This modification of the channel list cannot be saved.",
     "Pas possible de mémoriser la réglage de liste."},
    {Warnung2, "Label3", Caption, 0, nullptr,
     "Sie können Kanäle nur innerhalb der Liste oder direkt",
     "You can insert channels into the channel list only or",
     "Vous pouvez seulement insérer des canaux dans la liste"},
    {Warnung2, "Label4", Caption, 0, nullptr, "an dessen Ende einfügen!", "directly to its end!",
     "ou directement à sa fin!"},

    {Warnung3, "", WindowTitle, 0, nullptr, "Warnung", "Warning", "Advertissement"},
    {Warnung3, "OKBtn", Caption, 0, "OK", nullptr, nullptr, nullptr},
    {Warnung3, "Label1", Caption, 0, nullptr, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung3, "Label2", Caption, 0, nullptr,
     "Um einen Kanal zu bearbeiten, müssen Sie die gesamte Zeile markieren.",
     "For editingt a channel you have to mark the whole line.",
     "Pour changer un canal, il faut marquer la ligne complètement."},
    {Warnung3, "Label3", Caption, 0, nullptr,
     "Einzelne Zellen oder Felder außerhalb der Senderliste können nicht bearbeitet werden!",
     "Editting cells or fields out of the channel list is not possible!",
     "On ne peut pas changer des cellules ou des champs particuliers à l'extérieur de la liste "
     "d'émetteur!"},

    {Warnung4, "", WindowTitle, 0, nullptr, "Warnung", "Warning", "Advertissement"},
    {Warnung4, "OKBtn", Caption, 0, "OK", nullptr, nullptr, nullptr},
    {Warnung4, "Label1", Caption, 0, nullptr, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung4, "Label2", Caption, 0, nullptr,
     "Falls Sie eine Einfügestelle außerhalb der Senderliste wählen,",
     "If you want to insert a channel outside the channel list,",
     "Si vous choisissez un poste d'insertion à l'extérieur de la liste d'émetteur,"},
    {Warnung4, "Label3", Caption, 0, nullptr,
     "wird der Kanal automatisch an das Ende der Liste angefügt!",
     "it will be added at its end automatically!",
     "le canal est ajouté automatiquement à la fin de la liste!"},

    // Transponder dialog
    {EditTransponder, "", WindowTitle, 0, nullptr, "Transponder bearbeiten",
     "Assign new transponders", "Changer un transpondeur"},
    {EditTransponder, "Label1", Caption, 0, nullptr, "Transponder Nummer", "Transponder number",
     "Transpondeur - ID"},
    {EditTransponder, "Label2", Caption, 0, nullptr, "Frequenz", "Frequency", "Fréquence"},
    {EditTransponder, "Label3", Caption, 0, nullptr, "Symbol - Rate", "Symbol - Rate",
     "Symbol - Rate"},
    {EditTransponder, "Label4", Caption, 0, nullptr, "LNB", "LNB", "LNB"},
    {EditTransponder, "Label5", Caption, 0, nullptr, "Polarität", "Polarity", "Polarity"},
    {EditTransponder, "Label6", Caption, 0, nullptr, "Netzwerk - ID", "Network - ID",
     "Network - ID"},
    {EditTransponder, "Button1", Caption, 0, nullptr, "Zuweisen", "Assign", "Assigner"},
    {EditTransponder, "Button2", Caption, 0, nullptr, "Abbrechen", "Cancel", "Annuler"},

    // Message slots, in the order of Msg.
    msg(Msg::PortSettingsHeading, nullptr,
        "Aktuelle Port-Einstellungen:", "Current COM-Port Setup:", "Réglages du PORT actuel:"),
    msg(Msg::StatusPleaseWait, nullptr, "Bitte warten...", "Please wait...",
        "Veuillez patienter quelques instants..."),
    msg(Msg::StatusOffline, nullptr, "Verbindung OffLine", "Connection OffLine",
        "Connexion OffLine"),
    msg(Msg::StatusOnlinePrefix, nullptr, "Verbindung OnLine: COM", "Connection OnLine: COM",
        "Connexion OnLine: COM"),
    msg(Msg::SettingsSaveFailed, nullptr, "Einstellungen konnten nicht gespeichert werden",
        "Setup could not be saved", "Les Réglages ne peuvent pas être mémoriser"),
    msg(Msg::WaitForTransfer, nullptr, "Bitte warten Sie bis der Datentransfer abgeschlossen ist.",
        "Please wait till the Transfer finishes",
        "Bitte warten Sie bis der Datentransfer abgeschlossen ist."),
    msg(Msg::OnlyOneList, nullptr, "Es kann nur 1 Liste geladen werden.",
        "Only 1 List can be loaded", "Es kann nur 1 Liste geladen werden."),
    msg(Msg::AtMostThreeFiles, nullptr, "Es können maximal nur 3 Dateien geladen werden.",
        "Only 3 Files can be loaded", "Es können maximal nur 3 Dateien geladen werden."),
    msg(Msg::SoftwareFailed, nullptr, "Die Software konnte nicht geladen werden",
        "Error loading Software", "Die Software konnte nicht geladen werden"),
    msg(Msg::CorruptList, nullptr, "Die empfangene Senderliste ist beschädigt.",
        "The received List is corrupt", "Die empfangene Senderliste ist beschädigt."),
    msg(Msg::ReceiveFailed, nullptr, "Beim Empfang der Liste ist ein Fehler aufgetreten.",
        "Error receiving List", "Beim Empfang der Liste ist ein Fehler aufgetreten."),
    msg(Msg::ListReceived, nullptr, "Liste wurde vollständig empfangen",
        "List successfull received", "Liste wurde vollständig empfangen"),
    msg(Msg::SendFailed, nullptr, "Beim Senden der Liste ist ein Fehler aufgetreten.",
        "Error sending List", "Beim Senden der Liste ist ein Fehler aufgetreten."),
    msg(Msg::ListNotSuitable, nullptr, "Diese Senderliste ist nicht für Ihr Gerät geeignet",
        "This List is not suitable for your box",
        "Diese Senderliste ist nicht für Ihr Gerät geeignet"),
    msg(Msg::UpdateDone, nullptr, "Software Update abgeschlossen", "Software Update done",
        "Software Update abgeschlossen"),
    msg(Msg::MainNoListOpened, nullptr, "Keine Liste geöffnet!", "No List opened!",
        "Keine Liste geöffnet!"),
    msg(Msg::NoComPort, "No COM-Port detected", "Kein COM-Port erkannt.", "No COM-Port detected",
        "Kein COM-Port erkannt."),
    msg(Msg::PortOpenFailed, "Com-Port can not be opened!", "Com-Port kann nicht geöffnet werden!",
        "Com-Port can not be opened!", "Com-Port kann nicht geöffnet werden!"),
    msg(Msg::LostComPort, "Saved COM-Port does not exist!",
        "Gespeicherter COM-Port nicht gefunden!", "Saved COM-Port does not exist!",
        "Gespeicherter COM-Port nicht gefunden!"),
    msg(Msg::ListSent, nullptr, "Liste wurde vollständig gesendet", "List successfull sent",
        "Liste wurde vollständig gesendet"),
    msg(Msg::CancelledByUser, nullptr, "Abbruch durch Benutzer", "Abbruch durch Benutzer",
        "Abbruch durch Benutzer"),
    msg(Msg::SoftwareIsList, nullptr,
        "Diese Datei ist eine Senderliste und keine Software. Es wurde nichts gesendet: ",
        "This file is a channel list, not software. Nothing was sent: ",
        "Ce fichier est une liste de chaînes et non un logiciel. Rien n'a été envoyé: "),
    msg(Msg::BackupFailed, nullptr,
        "Die Senderliste des Receivers konnte nicht gesichert werden. Es wurde nichts gesendet, "
        "der "
        "Receiver behält seine Liste. Grund: ",
        "The receiver's channel list could not be backed up. Nothing was sent, the receiver keeps "
        "its list. Reason: ",
        "La liste de chaînes du récepteur n'a pas pu être sauvegardée. Rien n'a été envoyé, le "
        "récepteur garde sa liste. Raison: "),
    msg(Msg::BackupWritten, nullptr, "Senderliste des Receivers gesichert: ",
        "Receiver's channel list backed up: ", "Liste de chaînes du récepteur sauvegardée: "),
    msg(Msg::FavouritesRepaired, nullptr,
        "Fehlerhafte Favoritenliste, wird beim Abspeichern korrigiert.",
        "Corrupt Favorit-List, will be corrected during saving", "Fehlerhafte Favoritenliste!"),
    msg(Msg::ChecksumWrong, nullptr, "Ungültige Checksumme, wird beim Abspeichern korrigiert!",
        "Corrupt Checksum, will be corrected during saving",
        "Ungültige Checksumme, wird beim Abspeichern korrigiert!"),
    msg(Msg::EditorNoListOpened, nullptr, "Keine Liste geöffnet!", "No List opened!",
        "Keine Liste geöffnet!"),
    msg(Msg::PrintJobTitle, nullptr, "Senderliste", "Channel List", "Liste d'émetteur"),
    msg(Msg::LoadListFirst, nullptr, "Sie müssen zuerst eine Senderliste laden.",
        "You have to load a channel list first!", "Il faut d'abord ouvrir une liste d'émetteur."),
    msg(Msg::NothingFound, nullptr, "Kein passendes Objekt gefunden!", "No suitable object found!",
        "Pas trouvé un objet convenable!"),
    msg(Msg::PasteCapacityFirst, nullptr, "Sie können max. noch ", "You can sill insert ",
        "Vous pouvez insérer "),
    msg(Msg::PasteCapacityLast, nullptr, " Kanäle einfügen. Wählen Sie erneut aus.",
        " channels. Please select one more time.",
        " chaînes au maximum. Choisissez encore une fois."),
    msg(Msg::StringWriteFailed, nullptr, "Fehler beim String-Schreiben!",
        "Error during string writing!", "Erreur pendant l'écriture."),
    msg(Msg::DataSaveFailed, nullptr, "Daten konnten nicht gespeichert werden",
        "Data could not be saved", "Les données ne pouvaient pas être mémoriser."),
    msg(Msg::TpNoValidChosen, nullptr, "Sie müssen zuerst eine gültige Transponder - ID auswählen",
        "You have to select a valid Transponder-ID first",
        "Il faut d'abord choisir une transpondeur - ID valide"),
    msg(Msg::TpCurrent, nullptr, "aktuelle Transponder - ID", "current Transponder-ID",
        "Transpondeur - ID actuel"),
    msg(Msg::TpFree, nullptr, "freier Transponder", "vacant transponder", "Transpondeur libre"),
    msg(Msg::TpFreeNotPossible, nullptr, "Belegung des freien Transponders nicht möglich",
        "It is not possible to reserve the vacant transponder",
        "Impossible d'occuper le transpondeur libre"),
    msg(Msg::WordFree, nullptr, "Frei", "Free", "Libre"),
    msg(Msg::WordCrypted, nullptr, "Verschlüsselt", "Crypted", "Crypté"),
    msg(Msg::WordTv, nullptr, "TV", "TV", "TV"),
    msg(Msg::WordRadio, nullptr, "Radio", "Radio", "Radio"),
    msg(Msg::ExportTvTitle, nullptr, "TV Kanäle", "TV channels", "TV canaux"),
    msg(Msg::ExportRadioTitle, nullptr, "Radio Kanäle", "Radio channels", "Radio canaux"),
    msg(Msg::ExportHeading1, nullptr, "Frequenz", "Frequency", "Fréquence"),
    msg(Msg::ExportHeading2, nullptr, "SR / BW", "SR / BW", "SR / BW"),
    msg(Msg::ExportHeading3, nullptr, "Pol.", "Pol.", "Pol."),
    msg(Msg::ExportHeading4, nullptr, "Prg.Nr.", "Prg.Nr.", "Prg.Nr."),
    msg(Msg::ExportHeading5, nullptr, "V-PID", "V-PID", "V-PID"),
    msg(Msg::ExportHeading6, nullptr, "A-PID", "A-PID", "A-PID"),
    msg(Msg::ExportHeading7, nullptr, "Ttx-PID", "Ttx-PID", "Ttx-PID"),
    msg(Msg::ExportHeading8, nullptr, "Prg.Crypted", "Prg.Crypted", "Prg.Crypted"),
    msg(Msg::ExportHeading9, nullptr, "Programm-Name", "Program-Name", "Nom de programme"),
    msg(Msg::ExportHorizontal, nullptr, "Horizontal,", "Horizontal,", "Horizontal,"),
    msg(Msg::ExportVertical, nullptr, "Vertikal,", "Vertical,", "Vertical,"),
    msg(Msg::ExportFree, nullptr, "Frei", "Free", "Libre"),
    msg(Msg::ExportCrypted, nullptr, "Verschlüsselt", "Crypted", "Crypté"),
    msg(Msg::SaveChangesQuestion, nullptr, "Änderungen speichern?", "Save changes?",
        "Enregistrer les modifications ?"),
    msg(Msg::SaveChangesSave, nullptr, "Speichern", "Save", "Enregistrer"),
    msg(Msg::SaveChangesDiscard, nullptr, "Verwerfen", "Discard", "Ignorer"),
    msg(Msg::SaveChangesCancel, nullptr, "Abbrechen", "Cancel", "Annuler"),
    msg(Msg::ListUnreadable, nullptr, "Die Datei konnte nicht gelesen werden.",
        "The file could not be read.", "Le fichier n'a pas pu être lu."),
    msg(Msg::ReorderSummary, nullptr,
        "Über Programmnummer zugeordnet: %1\nÜber Namen zugeordnet: %2\nOhne Gegenstück (neu): %3"
        "\n\nReihenfolge übernehmen?",
        "Matched by program number: %1\nMatched by name: %2\nUnmatched (new): %3\n\nApply the "
        "order?",
        "Associés par numéro de programme : %1\nAssociés par nom : %2\nSans correspondance "
        "(nouveaux) : %3\n\nAppliquer l'ordre ?"),
    msg(Msg::ReorderApply, nullptr, "Übernehmen", "Apply", "Appliquer"),
    msg(Msg::ReorderDropNew, nullptr, "Übernehmen, neue entfernen", "Apply, drop new",
        "Appliquer, retirer les nouveaux"),
    msg(Msg::ReorderNoMatch, nullptr, "Kein Kanal passt zur Referenzliste.",
        "No channel matches the reference list.",
        "Aucune chaîne ne correspond à la liste de "
        "référence."),
    msg(Msg::ReferenceUnusable, nullptr, "Die Datei ist weder eine Senderliste noch lesbarer Text.",
        "The file is neither a channel list nor readable text.",
        "Le fichier n'est ni une liste de chaînes ni un texte lisible."),
    msg(Msg::SaveAsUnknownEnding, nullptr,
        "Nichts gespeichert: der Dateiname muss auf .lst oder .txt enden.",
        "Nothing saved: the file name must end in .lst or .txt.",
        "Rien n'a été enregistré : le nom du fichier doit se terminer par .lst ou .txt."),
    msg(Msg::RefLine, nullptr, "Zeile %1: ", "line %1: ", "ligne %1 : "),
    msg(Msg::RefBadByte, nullptr,
        "keine Senderliste und kein lesbarer Text (Byte 0x%1 an Stelle %2)",
        "not a list file and not readable text (byte 0x%1 at offset %2)",
        "ni une liste de chaînes ni un texte lisible (octet 0x%1 à la position %2)"),
    msg(Msg::RefBadLine, nullptr, "erwartet Position;Name[;Programmnummer], gefunden \"%1\"",
        "expected position;name[;program number], got \"%1\"",
        "attendu position;nom[;numéro de programme], trouvé \"%1\""),
    msg(Msg::RefBadNumber, nullptr, "Programmnummer \"%1\" liegt nicht zwischen 0 und 65535",
        "program number \"%1\" is not 0 to 65535",
        "le numéro de programme \"%1\" n'est pas entre 0 et 65535"),
    msg(Msg::RefNameUnusable, nullptr,
        "\"%1\" enthält %2, das ein Kanalname nicht aufnehmen kann; diese Zeile wird nur über die "
        "Programmnummer zugeordnet",
        "\"%1\" holds %2, which a channel name cannot hold; this line is matched by program number "
        "only",
        "\"%1\" contient %2, qu'un nom de chaîne ne peut pas contenir ; cette ligne n'est associée "
        "que par le numéro de programme"),
    msg(Msg::RefNoLines, nullptr, "keine Kanalzeilen (Position;Name[;Programmnummer]) gefunden",
        "no channel lines (position;name[;program number]) found",
        "aucune ligne de chaîne (position;nom[;numéro de programme]) trouvée"),
    msg(Msg::RefChecksumWrong, nullptr,
        "die Prüfsumme der Referenzliste ist falsch; ihre Kanäle werden trotzdem verwendet",
        "the reference list's checksum is wrong; its channels are used all the same",
        "la somme de contrôle de la liste de référence est fausse ; ses chaînes sont utilisées "
        "quand même"),
    msg(Msg::RefTooLarge, nullptr, "keine Senderliste und zu groß für eine Textreferenz",
        "not a list file and too large for a text reference",
        "ni une liste de chaînes ni un texte assez court pour servir de référence"),
    msg(Msg::VerifyIdentical, nullptr, "identisch", "identical", "identique"),
    msg(Msg::VerifyDiffers, nullptr, "die Liste im Receiver weicht ab von %1:",
        "the receiver keeps a list that differs from %1:", "la liste du récepteur diffère de %1 :"),
    msg(Msg::PortNotOpened, nullptr, "Port %1 kann nicht geöffnet werden", "cannot open port %1",
        "impossible d'ouvrir le port %1"),
    msg(Msg::PortHeldByProcess, nullptr, "belegt von Prozess %1", "in use by process %1",
        "utilisé par le processus %1"),
    msg(Msg::CloseDuringTransfer, nullptr,
        "Eine Übertragung läuft noch. Wird das Fenster jetzt geschlossen, bricht sie ab, und der "
        "Receiver behält womöglich nur einen Teil der Daten. Trotzdem schließen?",
        "A transfer is still running. Closing the window now aborts it, and the receiver may be "
        "left with only part of the data. Close anyway?",
        "Un transfert est encore en cours. Fermer la fenêtre maintenant l'interrompt, et le "
        "récepteur risque de ne garder qu'une partie des données. Fermer quand même ?"),
    msg(Msg::CloseAbortTransfer, nullptr, "Schließen", "Close", "Fermer"),
    msg(Msg::CloseKeepTransfer, nullptr, "Abbrechen", "Cancel", "Annuler"),
};

constexpr std::size_t firstMessageRow() {
    std::size_t i = 0;
    while (i < std::size(rows) && rows[i].property != Message)
        ++i;
    return i;
}
constexpr std::size_t messageBegin = firstMessageRow();

// Every slot has exactly one row, and a slot's row sits at its number.
constexpr bool messageRowsInOrder() {
    if (std::size(rows) - messageBegin != static_cast<std::size_t>(Msg::Count))
        return false;
    for (std::size_t i = messageBegin; i < std::size(rows); ++i)
        if (rows[i].property != Message || rows[i].window != Messages ||
            rows[i].index != static_cast<int>(i - messageBegin) || !rows[i].de || !rows[i].en ||
            !rows[i].fr)
            return false;
    return true;
}
static_assert(messageRowsInOrder(), "message rows close the table, one per slot in Msg order");

} // namespace

std::span<const TextRow> windowTextRows() {
    return std::span<const TextRow>(rows).first(messageBegin);
}

std::span<const TextRow> messageRows() {
    return std::span<const TextRow>(rows).subspan(messageBegin);
}

QString rowText(const TextRow& row, Language language) {
    const char* text = row.de;
    if (language == Language::English)
        text = row.en;
    else if (language == Language::French)
        text = row.fr;
    return text ? QString::fromUtf8(text) : QString();
}

QString startupText(const TextRow& row) {
    const char* text = row.start ? row.start : row.de;
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace i18n
