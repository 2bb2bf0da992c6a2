#include "Settings.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace {

constexpr int PortOffset = 0;
constexpr int BaudOffset = 1;
constexpr int LanguageOffset = 5;
constexpr int TitleOffset = 6;
constexpr int CommentOffset = TitleOffset + Settings::TitleWidth;
constexpr int FooterOffset = CommentOffset + Settings::CommentWidth;
static_assert(FooterOffset + Settings::FooterWidth == Settings::FileSize);

std::string readText(const Settings::Block& block, int offset, int width) {
    const auto* begin = reinterpret_cast<const char*>(block.data() + offset);
    const auto* end = static_cast<const char*>(std::memchr(begin, 0, width));
    return std::string(begin, end ? end : begin + width);
}

void writeText(Settings::Block& block, int offset, int width, const std::string& text) {
    // A text never carries a zero byte into the file: it would end the text there.
    const auto stored = std::min<std::size_t>(text.find('\0'), width);
    std::copy_n(text.begin(), std::min(stored, text.size()), block.begin() + offset);
}

} // namespace

Settings Settings::fromBytes(const uint8_t* data, std::size_t size) {
    Block block{};
    std::copy_n(data, std::min<std::size_t>(size, FileSize), block.begin());

    Settings s;
    s.PortNumber = block[PortOffset];
    s.BaudRate = static_cast<int32_t>(
        uint32_t(block[BaudOffset]) | uint32_t(block[BaudOffset + 1]) << 8 |
        uint32_t(block[BaudOffset + 2]) << 16 | uint32_t(block[BaudOffset + 3]) << 24);
    s.LanguageId = block[LanguageOffset];
    s.TitleText = readText(block, TitleOffset, TitleWidth);
    s.CommentText = readText(block, CommentOffset, CommentWidth);
    s.FooterText = readText(block, FooterOffset, FooterWidth);
    return s;
}

Settings::Block Settings::toBytes() const {
    Block block{};
    block[PortOffset] = PortNumber;
    const auto baud = static_cast<uint32_t>(BaudRate);
    for (int i = 0; i < 4; ++i)
        block[BaudOffset + i] = static_cast<uint8_t>(baud >> (8 * i));
    block[LanguageOffset] = static_cast<uint8_t>(LanguageId & 0xFF);
    writeText(block, TitleOffset, TitleWidth, TitleText);
    writeText(block, CommentOffset, CommentWidth, CommentText);
    writeText(block, FooterOffset, FooterWidth, FooterText);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveResult::CannotCreate;
    const Block block = toBytes();
    const auto* bytes = reinterpret_cast<const char*>(block.data());
    if (file.write(bytes, TitleOffset) != TitleOffset) {
        file.cancelWriting();
        return SaveResult::CannotFinish;
    }
    if (file.write(bytes + TitleOffset, FileSize - TitleOffset) != FileSize - TitleOffset) {
        file.cancelWriting();
        return SaveResult::TextWriteFailed;
    }
    return file.commit() ? SaveResult::Saved : SaveResult::CannotFinish;
}

QString Settings::windowCaption() const {
    return QString::fromLatin1(TitleText.data(), static_cast<qsizetype>(TitleText.size())) +
           QStringLiteral(" Quelvox v1.03");
}
