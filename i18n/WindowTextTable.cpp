#include "i18n/WindowTexts.h"

#include <iterator>

namespace i18n {
namespace {

using enum Window;
using enum Property;

// UTF-8 source text. Start-up column: nullptr means the German text. Language
// columns: nullptr leaves the target alone.
constexpr WindowTextRow rows[] = {
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

    // About box
    {Form2, "", WindowTitle, 0, nullptr, "Info", "Info", "Info"},
    {Form2, "Title", Caption, 0, nullptr, "Quelvox v1.03 - Editor", " Quelvox v1.03 - Editor",
     " Quelvox v1.03 - Editeur"},
    {Form2, "OKButton", Caption, 0, "OK", nullptr, nullptr, nullptr},

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
    {EditForm, "SaveDialog1", DialogTitle, 0, nullptr, "Speichern unter...", "Save as...",
     "Sauvegarder sous..."},
    {EditForm, "SaveDialog1", DialogFilter, 0, nullptr,
     "List-Datei (*.lst)|*.lst|Text-Datei (*.txt)|*.txt",
     "List-File (*.lst)|*.lst|Text-File (*.txt)|*.txt",
     "Liste-Fichier (*.lst)|*.lst|Texte-Fichier (*.txt)|*.txt"},
    {EditForm, "StringGrid1", Heading, 14, nullptr, "Favoriten", "Favoriten", "Favoriten"},
    {EditForm, "Info1", Caption, 0, "Info", nullptr, nullptr, nullptr},

    // Favourites window
    {FavForm, "", WindowTitle, 0, "Favoriten", nullptr, nullptr, nullptr},
    {FavForm, "Paste1", Caption, 0, nullptr, "Einfügen", "Paste", "Insérer"},
    {FavForm, "Delete1", Caption, 0, nullptr, "Löschen", "Delete", "Effacer"},
    {FavForm, "Paste", Caption, 0, nullptr, "Einfügen", "Paste", "Insérer"},
    {FavForm, "Delete", Caption, 0, nullptr, "Löschen", "Delete", "Effacer"},

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
    {Warnung3, "Label2", Caption, 0,
     "Um einen Kanal zu bearbeiten, müssen Sie die gesamte Zeile markieren.",
     "For editingt a channel you have to mark the whole line.",
     "Pour changer un canal, il faut marquer la ligne complètement."},
    {Warnung3, "Label3", Caption, 0,
     "Einzelne Zellen oder Felder außerhalb der Senderliste können nicht bearbeitet werden!",
     "Editting cells or fields out of the channel list is not possible!",
     "On ne peut pas changer des cellules ou des champs particuliers à l'extérieur de la liste "
     "d'émetteur!"},

    {Warnung4, "", WindowTitle, 0, nullptr, "Warnung", "Warning", "Advertissement"},
    {Warnung4, "OKBtn", Caption, 0, "OK", nullptr, nullptr, nullptr},
    {Warnung4, "Label1", Caption, 0, nullptr, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung4, "Label2", Caption, 0,
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
};

} // namespace

std::span<const WindowTextRow> windowTextRows() {
    return rows;
}

QString windowText(const WindowTextRow& row, Language language) {
    const char* text = row.de;
    if (language == Language::English)
        text = row.en;
    else if (language == Language::French)
        text = row.fr;
    return text ? QString::fromUtf8(text) : QString();
}

QString startupText(const WindowTextRow& row) {
    const char* text = row.start ? row.start : row.de;
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace i18n
