#include "word_rules.h"

#include "program_folder.h"

#include <QStringDecoder>

#include <array>

namespace WordRules {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F: curly quotes, dashes,
// the euro sign and a few letters. The five unassigned bytes keep their Latin-1 value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(value >= 0x80 && value <= 0x9F ? QChar(kWindows1252High[value - 0x80]) : QChar(value));
    }
    return text;
}

}  // namespace

std::optional<QStringList> ReadLines()
{
    const std::optional<QByteArray> bytes = ProgramFolder::ReadAll(QString::fromLatin1(kFileName));
    if (!bytes)
        return std::nullopt;
    QString text = DecodeText(*bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    QStringList lines = text.split(QChar(u'\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())  // the end of the last line is no line of its own
        lines.removeLast();
    return lines;
}

QString MessageText()
{
    const std::optional<QStringList> lines = ReadLines();
    if (!lines)
        return QStringLiteral("ERRORE 0001: File contenente le regole sulle parole non trovato: ") +
               QString::fromLatin1(kFileName);
    return lines->join(QChar(u'\n'));
}

QString BoxText()
{
    const std::optional<QStringList> lines = ReadLines();
    return lines ? lines->join(QChar(u'\n')) : QStringLiteral("File REGPAROL.txt non trovato");
}

QString DecodeText(const QByteArray& bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return DecodeWindows1252(bytes);
}

}  // namespace WordRules
