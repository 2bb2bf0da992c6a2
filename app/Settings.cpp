#include "app/Settings.h"

#include "fileio/FileWriter.h"
#include "listformat/FieldReader.h"
#include "listformat/FieldWriter.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

constexpr int TitleOffset = 6; // after port (1), baud rate (4) and language (1)
static_assert(TitleOffset + Settings::TitleWidth + Settings::CommentWidth + Settings::FooterWidth ==
              Settings::FileSize);

// A text field ends at its first zero byte and takes at most its width.
std::string readText(FieldReader& reader, int width) {
    std::string field(static_cast<std::size_t>(width), '\0');
    reader.readBytes(field.data(), field.size());
    field.resize(std::strlen(field.c_str()));
    return field;
}

// The text at the field's full width, zero-padded. A text never carries a zero
// byte into the file: it would end the text there.
void writeText(FieldWriter& writer, int width, const std::string& text) {
    std::string field = text.substr(0, text.find('\0'));
    field.resize(static_cast<std::size_t>(width), '\0');
    writer.writeBytes(field.data(), field.size());
}

} // namespace

Settings Settings::fromBytes(const uint8_t* data, std::size_t size) {
    // Bytes beyond the end of a short file read as zero.
    FieldReader reader(data, std::min<std::size_t>(size, FileSize));
    Settings s;
    s.PortNumber = reader.readByte();
    s.BaudRate = static_cast<int32_t>(reader.readU32());
    s.LanguageId = reader.readByte();
    s.TitleText = readText(reader, TitleWidth);
    s.CommentText = readText(reader, CommentWidth);
    s.FooterText = readText(reader, FooterWidth);
    return s;
}

Settings::Block Settings::toBytes() const {
    std::vector<uint8_t> bytes;
    FieldWriter writer(bytes);
    writer.writeByte(PortNumber);
    writer.writeU32(static_cast<uint32_t>(BaudRate));
    writer.writeByte(static_cast<uint8_t>(LanguageId & 0xFF));
    writeText(writer, TitleWidth, TitleText);
    writeText(writer, CommentWidth, CommentText);
    writeText(writer, FooterWidth, FooterText);
    Block block{};
    std::copy_n(bytes.begin(), block.size(), block.begin());
    return block;
}

std::optional<Settings> Settings::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(FileSize);
    return fromBytes(reinterpret_cast<const uint8_t*>(bytes.constData()),
                     static_cast<std::size_t>(bytes.size()));
}

Settings::SaveResult Settings::write(const QString& path) const {
    fileio::FileWriter file(QFile::encodeName(path).toStdString());
    if (!file.open())
        return SaveResult::CannotCreate;
    const Block block = toBytes();
    const auto* bytes = reinterpret_cast<const char*>(block.data());
    if (!file.write(bytes, TitleOffset))
        return SaveResult::CannotFinish;
    if (!file.write(bytes + TitleOffset, FileSize - TitleOffset))
        return SaveResult::TextWriteFailed;
    return file.commit() ? SaveResult::Saved : SaveResult::CannotFinish;
}

QString Settings::windowCaption() const {
    return QString::fromLatin1(TitleText.data(), static_cast<qsizetype>(TitleText.size())) +
           QStringLiteral(" Quelvox v1.03");
}
