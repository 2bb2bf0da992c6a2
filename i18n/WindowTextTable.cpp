#include "i18n/WindowTexts.h"

#include <iterator>

namespace i18n {
namespace {

using enum Window;
using enum Property;

// UTF-8 source text; nullptr: the language leaves the target alone.
constexpr WindowTextRow rows[] = {
    // Main window
    {Form1, "Help1", Caption, 0, "Hilfe", "Help", "Aide"},
    {Form1, "HelpIndex1", Caption, 0, "Hilfe", "Help", "Aide"},
    {Form1, "Programm1", Caption, 0, "Programm", "Program", "Programme"},
    {Form1, "Einstellungen1", Caption, 0, "Einstellungen", "Setup", "Réglages"},
    {Form1, "Datentransfer1", Caption, 0, "Datentransfer", "Data Transfer", "Transfer des données"},
    {Form1, "Werkzeug1", Caption, 0, "Werkzeug", "Tools", "Outil"},
    {Form1, "Ansicht1", Caption, 0, "Ansicht", "Display", "Avis"},
    {Form1, "EinstellungenSpeichern1", Caption, 0, "Einstellungen speichern", "Save Settings",
     "Mémoriser les Réglages"},
    {Form1, "Beenden1", Caption, 0, "Beenden", "Close All", "Quitter"},
    {Form1, "System1", Caption, 0, "System", "System", "Système"},
    {Form1, "SystemType", Caption, 0, "Low Speed(PII oder kleiner)", "Low Speed(PII or lower)",
     "Low Speed(PII ou plus petit)"},
    {Form1, "ReceiverTest1", Caption, 0, "Receiver-Test", "Receiver Test", "Test du Récepteur"},
    {Form1, "Datensenden1", Caption, 0, "Daten senden...", "Send Data...",
     "Envoyer les données..."},
    {Form1, "Datenempfangen1", Caption, 0, "Daten empfangen...", "Receive Data...",
     "Recevoir les données..."},
    {Form1, "LetztenTransferwiederholen1", Caption, 0, "Letzten Transfer wiederholen...",
     "Redo last transfer...", "Répéter le dernier transfert..."},
    {Form1, "SenderlistenEditor1", Caption, 0, "Senderlisten-Editor", "Channel List Editor",
     "Editeur de liste des émetteurs"},
    {Form1, "Drucken1", Caption, 0, "Drucken", "Print", "Imprimer"},
    {Form1, "NeueAnzeige1", Caption, 0, "Neue Anzeige", "Clear Monitor", "Nouvelle indication"},
    {Form1, "PortEinstellung1", Caption, 0, "Port-Einstellung", "Port Setup", "Réglages du Port"},
    {Form1, "Sprache1", Caption, 0, "Sprache", "Language", "Langue"},
    {Form1, "Deutsch1", Caption, 0, "Deutsch", "German", "Allemand"},
    {Form1, "Englisch1", Caption, 0, "Englisch", "English", "Anglais"},
    {Form1, "Franzsisch1", Caption, 0, "Französisch", "French", "Français"},
    {Form1, "SpeedButton3", Hint, 0, "Daten senden", "Send Data", "Envoyer les données"},
    {Form1, "SpeedButton4", Hint, 0, "Daten empfangen", "Receive Data", "Recevoir les données"},
    {Form1, "RedoButton", Hint, 0, "Letzten Transfer wiederholen", "Redo",
     "Répéter le dernier transfert"},
    {Form1, "CancelButton", Hint, 0, "Abbrechen", "Cancel", "Quitter"},
    {Form1, "AnsichtNeuButton", Hint, 0, "Anzeige löschen", "Clear Monitor",
     "Effacer l'indication"},
    {Form1, "PortEinstButton", Hint, 0, "Port-Einstellungen anzeigen", "Display Port Setup",
     "Indiquer Réglages du Port"},
    {Form1, "SpeedButton5", Hint, 0, "Senderlisten-Editor", "Channel List Editor",
     "Editeur de liste des émetteurs"},
    {Form1, "PrintButton", Hint, 0, "Fensterinhalt drucken", "Print Window", "Imprimer la fenêtre"},
    {Form1, "OpenDialog1", DialogTitle, 0, "Zu sendende Datei auswählen", "Select file...",
     "Choisir le fichier à transferer"},
    {Form1, "SaveDialog1", DialogTitle, 0, "Empfangene Daten speichern in...",
     "Save received file in...", "mémoriser les donneés sous..."},
    {Form1, "OpenDialog1", DialogFilter, 0, "Software-Datei (*.app)|*.app|List-Datei (*.lst)|*.lst",
     "Software File (*.app)|*.app|List-File (*.lst)|*.lst",
     "Software-Fichier (*.app)|*.app|List-Fichier (*.lst)|*.lst"},
    {Form1, "SaveDialog1", DialogFilter, 0, "List-Datei (*.lst)|*.lst", "List File (*.lst)|*.lst",
     "Liste-Fichier (*.lst)|*.lst"},

    // About box
    {Form2, "", WindowTitle, 0, "Info", "Info", "Info"},
    {Form2, "Title", Caption, 0, "Quelvox v1.03 - Editor", " Quelvox v1.03 - Editor",
     " Quelvox v1.03 - Editeur"},

    // Find dialog
    {Suche, "Label1", Caption, 0, "Zu suchender Text", "Search Item", "Texte à rechercher"},
    {Suche, "Button1", Caption, 0, "Suche starten", "Start Search", "Chercher"},
    {Suche, "Button2", Caption, 0, "Beenden", "Close", "Quitter"},
    {Suche, "", WindowTitle, 0, "Suche...", "Search...", "Recherche..."},

    // Editor window
    {EditForm, "File1", Caption, 0, "Datei", "File", "Fichier"},
    {EditForm, "Edit1", Caption, 0, "Bearbeiten", "Edit", "Arranger"},
    {EditForm, "Ansicht1", Caption, 0, "Ansicht", "Display", "Avis"},
    {EditForm, "Help1", Caption, 0, "Hilfe", "Help", "Aide"},
    {EditForm, "Open1", Caption, 0, "Öffnen...", "Open...", "Ouvrir..."},
    {EditForm, "Close1", Caption, 0, "Schließen", "Close", "Fermer"},
    {EditForm, "Save1", Caption, 0, "Speichern", "Save", "Sauvegarder"},
    {EditForm, "SaveAs1", Caption, 0, "Speichern unter...", "Save As...", "Sauvegarder sous..."},
    {EditForm, "Print1", Caption, 0, "Drucken", "Print", "Imprimer"},
    {EditForm, "PrintSetup1", Caption, 0, "Druckereinrichtung...", "Print Setup...",
     "Direction d'imprimerie..."},
    {EditForm, "Exit1", Caption, 0, "Beenden", "Close All", "Quitter"},
    {EditForm, "Undo1", Caption, 0, "Rückgängig", "Undo", "Annuler"},
    {EditForm, "Redo1", Caption, 0, "Wiederherstellen", "Redo", "Rétablir"},
    {EditForm, "Cut1", Caption, 0, "Ausschneiden", "Cut", "Découper"},
    {EditForm, "Copy1", Caption, 0, "Kopieren", "Copy", "Copier"},
    {EditForm, "Paste1", Caption, 0, "Einfügen", "Paste", "Insérer"},
    {EditForm, "Cut2", Caption, 0, "Ausschneiden", nullptr, nullptr},
    {EditForm, "Copy2", Caption, 0, "Kopieren", nullptr, nullptr},
    {EditForm, "Paste2", Caption, 0, "Einfügen", nullptr, nullptr},
    {EditForm, "Find1", Caption, 0, "Kanal suchen...", "Search Channel...",
     "Chercher l'émetteur..."},
    {EditForm, "Find2", Caption, 0, "Frequenz suchen...", "Search Frequency...",
     "Chercher la fréquence..."},
    {EditForm, "Find3", Caption, 0, "Transponder suchen...", "Search Transponder...",
     "Chercher le transpondeur..."},
    {EditForm, "Suchewiederholen1", Caption, 0, "Suche wiederholen", "Repeat Search",
     "Répéter la recherche"},
    {EditForm, "Transponderbearbeiten1", Caption, 0, "Transponder bearbeiten...",
     "Edit Transponder...", "Arranger le transpondeur..."},
    {EditForm, "UseHelp1", Caption, 0, "Hilfe", "Help", "Aide"},
    {EditForm, "", WindowTitle, 0, "Quelvox v1.03 - Editor", "Quelvox v1.03 - Editor",
     " Quelvox v1.03 - Editeur"},
    {EditForm, "FileOpenButton", Hint, 0, "Datei öffnen", "Open File", "Ouvrir le fichier"},
    {EditForm, "SaveFileButton", Hint, 0, "Datei speichern", "Save File", "Sauvegarder le fichier"},
    {EditForm, "PrintButton", Hint, 0, "Senderliste drucken", "Print Channel List",
     "Imprimer la liste d'émetteur"},
    {EditForm, "FileCloseButton", Hint, 0, "Datei schliessen", "Close File", "Fermer le fichier"},
    {EditForm, "CutButton", Hint, 0, "Kanaldaten ausschneiden", "Cut Channel Data",
     "Découper les données d'émetteur"},
    {EditForm, "CopyButton", Hint, 0, "Kanaldaten kopieren", "Copy Channel Data",
     "Copier les données d'émetteur"},
    {EditForm, "PasteButton", Hint, 0, "Kanaldaten einfügen", "Paste Channel Data",
     "Insérer les données d'émetteur"},
    {EditForm, "FontButton", Hint, 0, "Schriftart auswählen", "Select Font",
     "Choisir le genre d'écriture."},
    {EditForm, "TransponderButton", Hint, 0, "Transponder bearbeiten", "Edit Transponder",
     "Arranger le transpondeur"},
    {EditForm, "StringGrid1", Heading, 0, "Nr.", "Nr.", "Nr."},
    {EditForm, "StringGrid1", Heading, 1, "Programm-Name", "Program-Name", "Nom de programme"},
    {EditForm, "StringGrid1", Heading, 2, "Sat-Name", "Sat-Name", "Nom de Sat"},
    {EditForm, "StringGrid1", Heading, 3, "Frequenz", "Frequency", "Fréquence"},
    {EditForm, "StringGrid1", Heading, 4, "Pol.", "Pol.", "Pol."},
    {EditForm, "StringGrid1", Heading, 5, "SR / BW", "SR / BW", "SR / BW"},
    {EditForm, "StringGrid1", Heading, 6, "V-PID", "V-PID", "V-PID"},
    {EditForm, "StringGrid1", Heading, 7, "A-PID", "A-PID", "A-PID"},
    {EditForm, "StringGrid1", Heading, 8, "Pcr-PID", "Pcr-PID", "Pcr-PID"},
    {EditForm, "StringGrid1", Heading, 9, "Ttx-PID", "Ttx-PID", "Ttx-PID"},
    {EditForm, "StringGrid1", Heading, 10, "Prg.Nr.", "Prg.Nr.", "Prg.Nr."},
    {EditForm, "StringGrid1", Heading, 11, "Prg.Typ", "Prg.Type", "Prg.Typ"},
    {EditForm, "StringGrid1", Heading, 12, "Prg.Crypted", "Prg.Crypted", "Prg.Crypted"},
    {EditForm, "StringGrid1", Heading, 13, "Transponder", "Transponder", "Transpondeur"},
    {EditForm, "OpenDialog1", DialogTitle, 0, "Senderliste öffnen", "Open Channel List",
     "Ouvrir la liste d'émetteur"},
    {EditForm, "OpenDialog1", DialogFilter, 0, "List-Datei (*.lst)|*.lst",
     "List-File (*.lst)|*.lst", "Liste-Fichier (*.lst)|*.lst"},
    {EditForm, "SaveDialog1", DialogTitle, 0, "Speichern unter...", "Save as...",
     "Sauvegarder sous..."},
    {EditForm, "SaveDialog1", DialogFilter, 0, "List-Datei (*.lst)|*.lst|Text-Datei (*.txt)|*.txt",
     "List-File (*.lst)|*.lst|Text-File (*.txt)|*.txt",
     "Liste-Fichier (*.lst)|*.lst|Texte-Fichier (*.txt)|*.txt"},
    {EditForm, "StringGrid1", Heading, 14, "Favoriten", "Favoriten", "Favoriten"},

    // Favourites window
    {FavForm, "Paste1", Caption, 0, "Einfügen", "Paste", "Insérer"},
    {FavForm, "Delete1", Caption, 0, "Löschen", "Delete", "Effacer"},
    {FavForm, "Paste", Caption, 0, "Einfügen", "Paste", "Insérer"},
    {FavForm, "Delete", Caption, 0, "Löschen", "Delete", "Effacer"},

    // Warnings
    {Warnung1, "", WindowTitle, 0, "Warnung", "Warning", "Advertissement"},
    {Warnung1, "Label1", Caption, 0, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung1, "Label2", Caption, 0, "Diese Listeneinstellung kann nicht gespeichert werden.",
     "This adjustment of the channel list cannot be saved.",
     "Pas possible de mémoriser la réglage de liste."},
    {Warnung1, "Label3", Caption, 0, "Es können keine leeren Kanäle in die Liste eingefügt werden!",
     "It is not possible to add empty channels to the list!",
     "Impossible d' insérer des canaux vides!"},

    {Warnung2, "", WindowTitle, 0, "Warnung", "Warning", "Advertissement"},
    {Warnung2, "Label1", Caption, 0, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung2, "Label2", Caption, 0, "Diese Listeneinstellung kann nicht gespeichert werden.",
     "This modification of the channel list cannot be saved.",
     "Pas possible de mémoriser la réglage de liste."},
    {Warnung2, "Label3", Caption, 0, "Sie können Kanäle nur innerhalb der Liste oder direkt",
     "You can insert channels into the channel list only or",
     "Vous pouvez seulement insérer des canaux dans la liste"},
    {Warnung2, "Label4", Caption, 0, "an dessen Ende einfügen!", "directly to its end!",
     "ou directement à sa fin!"},

    {Warnung3, "", WindowTitle, 0, "Warnung", "Warning", "Advertissement"},
    {Warnung3, "Label1", Caption, 0, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung3, "Label2", Caption, 0,
     "Um einen Kanal zu bearbeiten, müssen Sie die gesamte Zeile markieren.",
     "For editingt a channel you have to mark the whole line.",
     "Pour changer un canal, il faut marquer la ligne complètement."},
    {Warnung3, "Label3", Caption, 0,
     "Einzelne Zellen oder Felder außerhalb der Senderliste können nicht bearbeitet werden!",
     "Editting cells or fields out of the channel list is not possible!",
     "On ne peut pas changer des cellules ou des champs particuliers à l'extérieur de la liste "
     "d'émetteur!"},

    {Warnung4, "", WindowTitle, 0, "Warnung", "Warning", "Advertissement"},
    {Warnung4, "Label1", Caption, 0, "ACHTUNG!", "ATTENTION!", "ATTENTION!"},
    {Warnung4, "Label2", Caption, 0,
     "Falls Sie eine Einfügestelle außerhalb der Senderliste wählen,",
     "If you want to insert a channel outside the channel list,",
     "Si vous choisissez un poste d'insertion à l'extérieur de la liste d'émetteur,"},
    {Warnung4, "Label3", Caption, 0, "wird der Kanal automatisch an das Ende der Liste angefügt!",
     "it will be added at its end automatically!",
     "le canal est ajouté automatiquement à la fin de la liste!"},

    // Transponder dialog
    {EditTransponder, "", WindowTitle, 0, "Transponder bearbeiten", "Assign new transponders",
     "Changer un transpondeur"},
    {EditTransponder, "Label1", Caption, 0, "Transponder Nummer", "Transponder number",
     "Transpondeur - ID"},
    {EditTransponder, "Label2", Caption, 0, "Frequenz", "Frequency", "Fréquence"},
    {EditTransponder, "Label3", Caption, 0, "Symbol - Rate", "Symbol - Rate", "Symbol - Rate"},
    {EditTransponder, "Label4", Caption, 0, "LNB", "LNB", "LNB"},
    {EditTransponder, "Label5", Caption, 0, "Polarität", "Polarity", "Polarity"},
    {EditTransponder, "Label6", Caption, 0, "Netzwerk - ID", "Network - ID", "Network - ID"},
    {EditTransponder, "Button1", Caption, 0, "Zuweisen", "Assign", "Assigner"},
    {EditTransponder, "Button2", Caption, 0, "Abbrechen", "Cancel", "Annuler"},
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

} // namespace i18n
