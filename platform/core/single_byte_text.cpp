// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/single_byte_text.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80 to 0x9F of Windows-1252; 0 where the code page assigns nothing.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t CharacterOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<char> ByteOf(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character)
            return static_cast<char>(0x80 + i);
    }
    // The unassigned bytes read back as their control characters.
    if (character >= 0x80 && character <= 0x9F && kHighControls[character - 0x80] == 0)
        return static_cast<char>(character);
    return std::nullopt;
}

}  // namespace

namespace SingleByteText {

QString Decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(CharacterOf(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<QByteArray> Encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar character : text) {
        const std::optional<char> byte = ByteOf(character.unicode());
        if (!byte)
            return std::nullopt;
        *out++ = *byte;
    }
    return bytes;
}

QString DecodeAny(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return Decode(bytes);
}

}  // namespace SingleByteText
