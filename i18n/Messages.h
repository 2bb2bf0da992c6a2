#pragma once

#include <QString>
#include <string>

// Message slots: every user-visible message that changes with the language is
// read from its slot at the moment it is shown. A language switch overwrites
// all slots with one column of the table; before the first switch each slot
// holds its start value.
namespace i18n {

enum class Language : int { English = 1, German = 2, French = 3 };

enum class Msg : int {
    // main window
    PortSettingsHeading, // "Aktuelle Port-Einstellungen:"
    StatusPleaseWait,    // "Bitte warten..."
    StatusOffline,       // "Verbindung OffLine"
    StatusOnlinePrefix,  // "Verbindung OnLine: COM"
    SettingsSaveFailed,  // "Einstellungen konnten nicht gespeichert werden"
    WaitForTransfer,     // "Bitte warten Sie bis der Datentransfer abgeschlossen ist."
    OnlyOneList,         // "Es kann nur 1 Liste geladen werden."
    AtMostThreeFiles,    // "Es können maximal nur 3 Dateien geladen werden."
    SoftwareFailed,      // "Die Software konnte nicht geladen werden"
    CorruptList,         // "Die empfangene Senderliste ist beschädigt."
    ReceiveFailed,       // "Beim Empfang der Liste ist ein Fehler aufgetreten."
    ListReceived,        // "Liste wurde vollständig empfangen"
    SendFailed,          // "Beim Senden der Liste ist ein Fehler aufgetreten."
    ListNotSuitable,     // "Diese Senderliste ist nicht für Ihr Gerät geeignet"
    UpdateDone,          // "Software Update abgeschlossen"
    MainNoListOpened,    // "Keine Liste geöffnet!" (main window)
    NoComPort,           // start value "No COM-Port detected"
    PortOpenFailed,      // start value "Com-Port can not be opened!"
    LostComPort,         // start value "Saved COM-Port does not exist!"
    ListSent,            // "Liste wurde vollständig gesendet"
    CancelledByUser,     // "Abbruch durch Benutzer"
    SoftwareIsList,      // a software file that is a channel list; its name follows
    BackupFailed,        // the receiver's list could not be backed up; the reason follows
    BackupWritten,       // the receiver's list was backed up; the file's name follows
    // channel list and editor
    FavouritesRepaired, // "Fehlerhafte Favoritenliste, wird beim Abspeichern korrigiert."
    ChecksumWrong,      // "Ungültige Checksumme, wird beim Abspeichern korrigiert!"
    EditorNoListOpened, // "Keine Liste geöffnet!" (editor)
    PrintJobTitle,      // "Senderliste"
    LoadListFirst,      // "Sie müssen zuerst eine Senderliste laden."
    NothingFound,       // "Kein passendes Objekt gefunden!"
    PasteCapacityFirst, // "Sie können max. noch "
    PasteCapacityLast,  // " Kanäle einfügen. Wählen Sie erneut aus."
    StringWriteFailed,  // "Fehler beim String-Schreiben!"
    DataSaveFailed,     // "Daten konnten nicht gespeichert werden"
    TpNoValidChosen,    // "Sie müssen zuerst eine gültige Transponder - ID auswählen"
    TpCurrent,          // "aktuelle Transponder - ID"
    TpFree,             // "freier Transponder"
    TpFreeNotPossible,  // "Belegung des freien Transponders nicht möglich"
    // value words of the grids
    WordFree,    // "Frei"
    WordCrypted, // "Verschlüsselt"
    WordTv,      // "TV"
    WordRadio,   // "Radio"
    // text export
    ExportTvTitle,    // "TV Kanäle"
    ExportRadioTitle, // "Radio Kanäle"
    ExportHeading1,   // "Frequenz"
    ExportHeading2,   // "SR / BW"
    ExportHeading3,   // "Pol."
    ExportHeading4,   // "Prg.Nr."
    ExportHeading5,   // "V-PID"
    ExportHeading6,   // "A-PID"
    ExportHeading7,   // "Ttx-PID"
    ExportHeading8,   // "Prg.Crypted"
    ExportHeading9,   // "Programm-Name"
    ExportHorizontal, // "Horizontal,"
    ExportVertical,   // "Vertikal,"
    ExportFree,       // "Frei"
    ExportCrypted,    // "Verschlüsselt"
    // editor: the question before unsaved changes would be lost
    SaveChangesQuestion, // "Änderungen speichern?"
    SaveChangesSave,     // "Speichern"
    SaveChangesDiscard,  // "Verwerfen"
    SaveChangesCancel,   // "Abbrechen"
    ListUnreadable,      // "Die Datei konnte nicht gelesen werden."
    // editor: applying the order of a reference list
    ReorderSummary,      // counts %1 id, %2 name, %3 unmatched
    ReorderApply,        // "Übernehmen"
    ReorderDropNew,      // "Übernehmen, neue entfernen"
    ReorderNoMatch,      // "Kein Kanal passt zur Referenzliste."
    ReferenceUnusable,   // "Die Datei ist weder eine Senderliste noch lesbarer Text."
    SaveAsUnknownEnding, // Save As to a name ending neither in .lst nor in .txt
    // reading a reference list: details after ReferenceUnusable, and warnings
    RefLine,         // "Zeile %1: " before a detail about that line
    RefBadByte,      // a control byte: %1 its hex code, %2 its offset
    RefBadLine,      // %1 the line as it stands
    RefBadNumber,    // %1 the program number field
    RefNameUnusable, // %1 the name, %2 the code point (U+XXXX) a name cannot hold
    RefNoLines,      // no channel line at all
    RefChecksumWrong,
    RefTooLarge,
    // quelvox-cli
    VerifyIdentical,   // send --verify: the receiver's list is the one sent
    VerifyDiffers,     // send --verify: %1 the list file; the differing fields follow
    PortNotOpened,     // %1 the port; the system's reason follows
    PortHeldByProcess, // %1 the process that holds the port's lock
    // the file writer
    OldContentKept, // %1 where the old content of a file that could not be put back is kept
    // help window: the file's name or the page follows
    HelpNotChm,
    HelpDamaged,
    HelpNoContents,
    HelpPageMissing,
    // main window: closing while a list transfer or an update runs
    CloseDuringTransfer, // the question
    CloseAbortTransfer,  // the button that closes all the same
    CloseKeepTransfer,   // the button that keeps the transfer running
    // main window: the online terminal's line lost and back (%1 the port number)
    TerminalLineLost,
    TerminalLineBack,
    // main window: the port report's line for a chosen port that is unplugged
    PortUnplugged,
    // editor: moving and sorting the marked rows
    MoveToTitle,  // "Verschieben nach"
    MoveToPrompt, // "Vor Zeile Nr.:"
    SortTitle,    // "Sortieren"
    Count
};

// The slot's current text.
QString text(Msg slot);
// The same text as Latin-1 bytes (for files and the channel grids).
const std::string& latin1(Msg slot);

// Writes one language's column into every slot.
void applyMessages(Language language);
// Puts every slot back to its start value (program start; tests).
void resetMessages();

// A slot's text in a given language, without touching the slots.
QString textIn(Msg slot, Language language);

} // namespace i18n
