#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The settings file "Quelvox.dat": a flat block of 106 bytes in the working
// directory (port, baud rate, language and three texts). Read at start; written
// only by "Einstellungen speichern".
struct Settings {
    static constexpr int FileSize = 106;
    static constexpr int TitleWidth = 20;
    static constexpr int CommentWidth = 30;
    static constexpr int FooterWidth = 50;
    static constexpr const char* FileName = "Quelvox.dat";

    uint8_t PortNumber = 1;
    int32_t BaudRate = 115200;
    int32_t LanguageId = 2;
    // Latin-1 bytes as stored; each at most its field width, no zero byte inside.
    std::string TitleText;
    std::string CommentText;
    std::string FooterText;
    // Not stored: the values came from the file (else they are the defaults).
    bool fileRead = false;

    using Block = std::array<uint8_t, FileSize>;

    // Decodes a block of any length: missing bytes count as zero, bytes past
    // the 106th are ignored, a text ends at its first zero byte.
    static Settings fromBytes(const uint8_t* data, std::size_t size);
    // The 106 bytes as written: texts cut to their width and zero-padded, the
    // low byte of LanguageId.
    Block toBytes() const;

    // Reads the file; nothing when it cannot be opened.
    static std::optional<Settings> read(const QString& path);

    enum class SaveResult { Saved, CannotCreate, TextWriteFailed, CannotFinish };
    // Writes through the program's writer: a temporary file renamed over the
    // old one, or the file itself when its folder takes no new file. A failed
    // save leaves the old file as it was.
    SaveResult write(const QString& path) const;

    // The window caption for these settings: TitleText + " Quelvox v1.03".
    QString windowCaption() const;
};

// The caption the main window keeps when there is no settings file.
inline constexpr const char* BuiltInCaption = "Quelvox v0.15 - Editor";
