#include "i18n/Messages.h"

#include <array>
#include <cstddef>

namespace i18n {
namespace {

struct Row {
    Msg slot;
    const char* start; // nullptr: the German text
    const char* de;
    const char* en;
    const char* fr;
};

// One row per slot, in the order of the Msg enumeration. UTF-8 source text.
constexpr Row rows[] = {
    {Msg::PortSettingsHeading, nullptr,
     "Aktuelle Port-Einstellungen:", "Current COM-Port Setup:", "Réglages du PORT actuel:"},
    {Msg::StatusPleaseWait, nullptr, "Bitte warten...", "Please wait...",
     "Veuillez patienter quelques instants..."},
    {Msg::StatusOffline, nullptr, "Verbindung OffLine", "Connection OffLine", "Connexion OffLine"},
    {Msg::StatusOnlinePrefix, nullptr, "Verbindung OnLine: COM", "Connection OnLine: COM",
     "Connexion OnLine: COM"},
    {Msg::SettingsSaveFailed, nullptr, "Einstellungen konnten nicht gespeichert werden",
     "Setup could not be saved", "Les Réglages ne peuvent pas être mémoriser"},
    {Msg::WaitForTransfer, nullptr, "Bitte warten Sie bis der Datentransfer abgeschlossen ist.",
     "Please wait till the Transfer finishes",
     "Bitte warten Sie bis der Datentransfer abgeschlossen ist."},
    {Msg::OnlyOneList, nullptr, "Es kann nur 1 Liste geladen werden.", "Only 1 List can be loaded",
     "Es kann nur 1 Liste geladen werden."},
    {Msg::AtMostThreeFiles, nullptr, "Es können maximal nur 3 Dateien geladen werden.",
     "Only 3 Files can be loaded", "Es können maximal nur 3 Dateien geladen werden."},
    {Msg::SoftwareFailed, nullptr, "Die Software konnte nicht geladen werden",
     "Error loading Software", "Die Software konnte nicht geladen werden"},
    {Msg::CorruptList, nullptr, "Die empfangene Senderliste ist beschädigt.",
     "The received List is corrupt", "Die empfangene Senderliste ist beschädigt."},
    {Msg::ReceiveFailed, nullptr, "Beim Empfang der Liste ist ein Fehler aufgetreten.",
     "Error receiving List", "Beim Empfang der Liste ist ein Fehler aufgetreten."},
    {Msg::ListReceived, nullptr, "Liste wurde vollständig empfangen", "List successfull received",
     "Liste wurde vollständig empfangen"},
    {Msg::SendFailed, nullptr, "Beim Senden der Liste ist ein Fehler aufgetreten.",
     "Error sending List", "Beim Senden der Liste ist ein Fehler aufgetreten."},
    {Msg::ListNotSuitable, nullptr, "Diese Senderliste ist nicht für Ihr Gerät geeignet",
     "This List is not suitable for your box",
     "Diese Senderliste ist nicht für Ihr Gerät geeignet"},
    {Msg::UpdateDone, nullptr, "Software Update abgeschlossen", "Software Update done",
     "Software Update abgeschlossen"},
    {Msg::MainNoListOpened, nullptr, "Keine Liste geöffnet!", "No List opened!",
     "Keine Liste geöffnet!"},
    {Msg::NoComPort, "No COM-Port detected", "Kein COM-Port erkannt.", "No COM-Port detected",
     "Kein COM-Port erkannt."},
    {Msg::PortOpenFailed, "Com-Port can not be opened!", "Com-Port kann nicht geöffnet werden!",
     "Com-Port can not be opened!", "Com-Port kann nicht geöffnet werden!"},
    {Msg::LostComPort, "Saved COM-Port does not exist!", "Gespeicherter COM-Port nicht gefunden!",
     "Saved COM-Port does not exist!", "Gespeicherter COM-Port nicht gefunden!"},
    {Msg::ListSent, nullptr, "Liste wurde vollständig gesendet", "List successfull sent",
     "Liste wurde vollständig gesendet"},
    {Msg::CancelledByUser, nullptr, "Abbruch durch Benutzer", "Abbruch durch Benutzer",
     "Abbruch durch Benutzer"},
    {Msg::SoftwareIsList, nullptr,
     "Diese Datei ist eine Senderliste und keine Software. Es wurde nichts gesendet: ",
     "This file is a channel list, not software. Nothing was sent: ",
     "Ce fichier est une liste de chaînes et non un logiciel. Rien n'a été envoyé: "},
    {Msg::BackupFailed, nullptr,
     "Die Senderliste des Receivers konnte nicht gesichert werden. Es wurde nichts gesendet, der "
     "Receiver behält seine Liste. Grund: ",
     "The receiver's channel list could not be backed up. Nothing was sent, the receiver keeps "
     "its list. Reason: ",
     "La liste de chaînes du récepteur n'a pas pu être sauvegardée. Rien n'a été envoyé, le "
     "récepteur garde sa liste. Raison: "},
    {Msg::BackupWritten, nullptr, "Senderliste des Receivers gesichert: ",
     "Receiver's channel list backed up: ", "Liste de chaînes du récepteur sauvegardée: "},
    {Msg::FavouritesRepaired, nullptr,
     "Fehlerhafte Favoritenliste, wird beim Abspeichern korrigiert.",
     "Corrupt Favorit-List, will be corrected during saving", "Fehlerhafte Favoritenliste!"},
    {Msg::ChecksumWrong, nullptr, "Ungültige Checksumme, wird beim Abspeichern korrigiert!",
     "Corrupt Checksum, will be corrected during saving",
     "Ungültige Checksumme, wird beim Abspeichern korrigiert!"},
    {Msg::EditorNoListOpened, nullptr, "Keine Liste geöffnet!", "No List opened!",
     "Keine Liste geöffnet!"},
    {Msg::PrintJobTitle, nullptr, "Senderliste", "Channel List", "Liste d'émetteur"},
    {Msg::LoadListFirst, nullptr, "Sie müssen zuerst eine Senderliste laden.",
     "You have to load a channel list first!", "Il faut d'abord ouvrir une liste d'émetteur."},
    {Msg::NothingFound, nullptr, "Kein passendes Objekt gefunden!", "No suitable object found!",
     "Pas trouvé un objet convenable!"},
    {Msg::PasteCapacityFirst, nullptr, "Sie können max. noch ", "You can sill insert ",
     "Vous pouvez insérer "},
    {Msg::PasteCapacityLast, nullptr, " Kanäle einfügen. Wählen Sie erneut aus.",
     " channels. Please select one more time.", " chaînes au maximum. Choisissez encore une fois."},
    {Msg::StringWriteFailed, nullptr, "Fehler beim String-Schreiben!",
     "Error during string writing!", "Erreur pendant l'écriture."},
    {Msg::DataSaveFailed, nullptr, "Daten konnten nicht gespeichert werden",
     "Data could not be saved", "Les données ne pouvaient pas être mémoriser."},
    {Msg::TpNoValidChosen, nullptr, "Sie müssen zuerst eine gültige Transponder - ID auswählen",
     "You have to select a valid Transponder-ID first",
     "Il faut d'abord choisir une transpondeur - ID valide"},
    {Msg::TpCurrent, nullptr, "aktuelle Transponder - ID", "current Transponder-ID",
     "Transpondeur - ID actuel"},
    {Msg::TpFree, nullptr, "freier Transponder", "vacant transponder", "Transpondeur libre"},
    {Msg::TpFreeNotPossible, nullptr, "Belegung des freien Transponders nicht möglich",
     "It is not possible to reserve the vacant transponder",
     "Impossible d'occuper le transpondeur libre"},
    {Msg::WordFree, nullptr, "Frei", "Free", "Libre"},
    {Msg::WordCrypted, nullptr, "Verschlüsselt", "Crypted", "Crypté"},
    {Msg::WordTv, nullptr, "TV", "TV", "TV"},
    {Msg::WordRadio, nullptr, "Radio", "Radio", "Radio"},
    {Msg::ExportTvTitle, nullptr, "TV Kanäle", "TV channels", "TV canaux"},
    {Msg::ExportRadioTitle, nullptr, "Radio Kanäle", "Radio channels", "Radio canaux"},
    {Msg::ExportHeading1, nullptr, "Frequenz", "Frequency", "Fréquence"},
    {Msg::ExportHeading2, nullptr, "SR / BW", "SR / BW", "SR / BW"},
    {Msg::ExportHeading3, nullptr, "Pol.", "Pol.", "Pol."},
    {Msg::ExportHeading4, nullptr, "Prg.Nr.", "Prg.Nr.", "Prg.Nr."},
    {Msg::ExportHeading5, nullptr, "V-PID", "V-PID", "V-PID"},
    {Msg::ExportHeading6, nullptr, "A-PID", "A-PID", "A-PID"},
    {Msg::ExportHeading7, nullptr, "Ttx-PID", "Ttx-PID", "Ttx-PID"},
    {Msg::ExportHeading8, nullptr, "Prg.Crypted", "Prg.Crypted", "Prg.Crypted"},
    {Msg::ExportHeading9, nullptr, "Programm-Name", "Program-Name", "Nom de programme"},
    {Msg::ExportHorizontal, nullptr, "Horizontal,", "Horizontal,", "Horizontal,"},
    {Msg::ExportVertical, nullptr, "Vertikal,", "Vertical,", "Vertical,"},
    {Msg::ExportFree, nullptr, "Frei", "Free", "Libre"},
    {Msg::ExportCrypted, nullptr, "Verschlüsselt", "Crypted", "Crypté"},
    {Msg::SaveChangesQuestion, nullptr, "Änderungen speichern?", "Save changes?",
     "Enregistrer les modifications ?"},
    {Msg::SaveChangesSave, nullptr, "Speichern", "Save", "Enregistrer"},
    {Msg::SaveChangesDiscard, nullptr, "Verwerfen", "Discard", "Ignorer"},
    {Msg::SaveChangesCancel, nullptr, "Abbrechen", "Cancel", "Annuler"},
    {Msg::ListUnreadable, nullptr, "Die Datei konnte nicht gelesen werden.",
     "The file could not be read.", "Le fichier n'a pas pu être lu."},
    {Msg::ReorderSummary, nullptr,
     "Über Programmnummer zugeordnet: %1\nÜber Namen zugeordnet: %2\nOhne Gegenstück (neu): %3"
     "\n\nReihenfolge übernehmen?",
     "Matched by program number: %1\nMatched by name: %2\nUnmatched (new): %3\n\nApply the "
     "order?",
     "Associés par numéro de programme : %1\nAssociés par nom : %2\nSans correspondance "
     "(nouveaux) : %3\n\nAppliquer l'ordre ?"},
    {Msg::ReorderApply, nullptr, "Übernehmen", "Apply", "Appliquer"},
    {Msg::ReorderDropNew, nullptr, "Übernehmen, neue entfernen", "Apply, drop new",
     "Appliquer, retirer les nouveaux"},
    {Msg::ReorderNoMatch, nullptr, "Kein Kanal passt zur Referenzliste.",
     "No channel matches the reference list.",
     "Aucune chaîne ne correspond à la liste de "
     "référence."},
    {Msg::ReferenceUnusable, nullptr, "Die Datei ist weder eine Senderliste noch lesbarer Text.",
     "The file is neither a channel list nor readable text.",
     "Le fichier n'est ni une liste de chaînes ni un texte lisible."},
    {Msg::SaveAsUnknownEnding, nullptr,
     "Nichts gespeichert: der Dateiname muss auf .lst oder .txt enden.",
     "Nothing saved: the file name must end in .lst or .txt.",
     "Rien n'a été enregistré : le nom du fichier doit se terminer par .lst ou .txt."},
    {Msg::RefLine, nullptr, "Zeile %1: ", "line %1: ", "ligne %1 : "},
    {Msg::RefBadByte, nullptr, "keine Senderliste und kein lesbarer Text (Byte 0x%1 an Stelle %2)",
     "not a list file and not readable text (byte 0x%1 at offset %2)",
     "ni une liste de chaînes ni un texte lisible (octet 0x%1 à la position %2)"},
    {Msg::RefBadLine, nullptr, "erwartet Position;Name[;Programmnummer], gefunden \"%1\"",
     "expected position;name[;program number], got \"%1\"",
     "attendu position;nom[;numéro de programme], trouvé \"%1\""},
    {Msg::RefBadNumber, nullptr, "Programmnummer \"%1\" liegt nicht zwischen 0 und 65535",
     "program number \"%1\" is not 0 to 65535",
     "le numéro de programme \"%1\" n'est pas entre 0 et 65535"},
    {Msg::RefNameUnusable, nullptr,
     "\"%1\" enthält %2, das ein Kanalname nicht aufnehmen kann; diese Zeile wird nur über die "
     "Programmnummer zugeordnet",
     "\"%1\" holds %2, which a channel name cannot hold; this line is matched by program number "
     "only",
     "\"%1\" contient %2, qu'un nom de chaîne ne peut pas contenir ; cette ligne n'est associée "
     "que par le numéro de programme"},
    {Msg::RefNoLines, nullptr, "keine Kanalzeilen (Position;Name[;Programmnummer]) gefunden",
     "no channel lines (position;name[;program number]) found",
     "aucune ligne de chaîne (position;nom[;numéro de programme]) trouvée"},
    {Msg::RefChecksumWrong, nullptr,
     "die Prüfsumme der Referenzliste ist falsch; ihre Kanäle werden trotzdem verwendet",
     "the reference list's checksum is wrong; its channels are used all the same",
     "la somme de contrôle de la liste de référence est fausse ; ses chaînes sont utilisées "
     "quand même"},
    {Msg::RefTooLarge, nullptr, "keine Senderliste und zu groß für eine Textreferenz",
     "not a list file and too large for a text reference",
     "ni une liste de chaînes ni un texte assez court pour servir de référence"},
    {Msg::VerifyIdentical, nullptr, "identisch", "identical", "identique"},
    {Msg::VerifyDiffers, nullptr, "die Liste im Receiver weicht ab von %1:",
     "the receiver keeps a list that differs from %1:", "la liste du récepteur diffère de %1 :"},
    {Msg::PortNotOpened, nullptr, "Port %1 kann nicht geöffnet werden", "cannot open port %1",
     "impossible d'ouvrir le port %1"},
    {Msg::PortHeldByProcess, nullptr, "belegt von Prozess %1", "in use by process %1",
     "utilisé par le processus %1"},
};

constexpr std::size_t slotCount = static_cast<std::size_t>(Msg::Count);
static_assert(std::size(rows) == slotCount, "one row per message slot");

constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (static_cast<std::size_t>(rows[i].slot) != i)
            return false;
    return true;
}
static_assert(rowsInOrder(), "rows follow the order of Msg");

struct Slot {
    QString text;
    std::string latin1;
};

void assign(Slot& slot, const char* utf8) {
    slot.text = QString::fromUtf8(utf8);
    slot.latin1 = slot.text.toLatin1().toStdString();
}

const char* startValue(const Row& row) {
    return row.start ? row.start : row.de;
}

std::array<Slot, slotCount>& slotTable() {
    static std::array<Slot, slotCount> current = [] {
        std::array<Slot, slotCount> s;
        for (std::size_t i = 0; i < slotCount; ++i)
            assign(s[i], startValue(rows[i]));
        return s;
    }();
    return current;
}

const char* column(const Row& row, Language language) {
    switch (language) {
    case Language::English:
        return row.en;
    case Language::French:
        return row.fr;
    case Language::German:
        break;
    }
    return row.de;
}

} // namespace

QString text(Msg slot) {
    return slotTable()[static_cast<std::size_t>(slot)].text;
}

const std::string& latin1(Msg slot) {
    return slotTable()[static_cast<std::size_t>(slot)].latin1;
}

QString textIn(Msg slot, Language language) {
    return QString::fromUtf8(column(rows[static_cast<std::size_t>(slot)], language));
}

void applyMessages(Language language) {
    auto& s = slotTable();
    for (std::size_t i = 0; i < slotCount; ++i)
        assign(s[i], column(rows[i], language));
}

void resetMessages() {
    auto& s = slotTable();
    for (std::size_t i = 0; i < slotCount; ++i)
        assign(s[i], startValue(rows[i]));
}

} // namespace i18n
