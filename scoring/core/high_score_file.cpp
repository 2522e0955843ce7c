// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/core/high_score_file.h"

#include "scoring/core/score_format.h"
#include "platform/core/single_byte_text.h"

#include <QStringConverter>
#include <QStringDecoder>

#include <limits>
#include <optional>

namespace HighScoreFile {
namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

bool IsUtf8(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

// A quoted field starting at `pos` (on the opening quote). Leaves `pos` just after
// the closing quote; nothing when the quote is never closed.
std::optional<QString> ReadQuotedField(const QString& line, qsizetype& pos)
{
    QString field;
    for (++pos; pos < line.size(); ++pos) {
        if (line.at(pos) != kQuote) {
            field += line.at(pos);
            continue;
        }
        if (pos + 1 < line.size() && line.at(pos + 1) == kQuote) {
            field += kQuote;
            ++pos;
            continue;
        }
        ++pos;
        return field;
    }
    return std::nullopt;
}

void SkipBlanks(const QString& line, qsizetype& pos)
{
    while (pos < line.size() && line.at(pos).isSpace())
        ++pos;
}

std::optional<HighScoreEntry> ParseLine(const QString& line)
{
    qsizetype pos = 0;
    SkipBlanks(line, pos);
    HighScoreEntry entry;
    if (pos < line.size() && line.at(pos) == kQuote) {
        const std::optional<QString> name = ReadQuotedField(line, pos);
        if (!name)
            return std::nullopt;
        entry.Name = *name;
        SkipBlanks(line, pos);
        if (pos >= line.size() || line.at(pos) != kComma)
            return std::nullopt;
    } else {
        const qsizetype comma = line.indexOf(kComma, pos);
        if (comma < 0)
            return std::nullopt;
        entry.Name = line.mid(pos, comma - pos).trimmed();
        pos = comma;
    }

    bool isNumber = false;
    const int score = line.mid(pos + 1).trimmed().toInt(&isNumber);
    if (!isNumber || score < std::numeric_limits<qint16>::min() || score > std::numeric_limits<qint16>::max())
        return std::nullopt;
    entry.Score = score;
    return entry;
}

bool NeedsQuotes(const QString& name)
{
    return name.contains(kComma) || name.contains(kQuote) || name != name.trimmed();
}

QString NameField(QString name)
{
    // A line break inside a name would split its record in two.
    name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!NeedsQuotes(name))
        return name;
    name.replace(kQuote, QStringLiteral("\"\""));
    return kQuote + name + kQuote;
}

}  // namespace

Contents ParseContents(const QByteArray& bytes)
{
    Contents contents;
    // One decision for the whole file: a file is either UTF-8 or single-byte text.
    const bool utf8 = IsUtf8(bytes);
    for (QByteArray raw : bytes.split('\n')) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = utf8 ? QString::fromUtf8(raw) : SingleByteText::Decode(raw);
        if (line.trimmed().isEmpty())
            continue;
        if (std::optional<HighScoreEntry> entry = ParseLine(line))
            contents.entries.push_back(std::move(*entry));
        else
            contents.unparsedLines.push_back(raw);
    }
    return contents;
}

std::vector<HighScoreEntry> Parse(const QByteArray& bytes)
{
    return ParseContents(bytes).entries;
}

std::optional<QByteArray> Format(const std::vector<HighScoreEntry>& entries,
                                 const std::vector<QByteArray>& unparsedLines)
{
    QByteArray bytes;
    for (const HighScoreEntry& entry : entries) {
        const std::optional<QByteArray> line = SingleByteText::Encode(NameField(entry.Name) + kComma + SignedText(entry.Score));
        if (!line)
            return std::nullopt;
        bytes += *line + "\r\n";
    }
    for (const QByteArray& line : unparsedLines)
        bytes += line + "\r\n";
    return bytes;
}

LoadResult Load(const ProgramFiles& files)
{
    const ProgramFolder::ReadResult file = files.Read(QString::fromLatin1(kFileName), kMaxFileBytes);
    LoadResult result;
    result.status = file.status;
    if (file.Ok())
        result.contents = ParseContents(file.bytes);
    return result;
}

bool Save(const ProgramFiles& files, const std::vector<HighScoreEntry>& entries, const std::vector<QByteArray>& unparsedLines, QString* error)
{
    const std::optional<QByteArray> bytes = Format(entries, unparsedLines);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("un nome contiene caratteri che il file non può contenere");
        return false;
    }
    return files.WriteWhole(QString::fromLatin1(kFileName), *bytes, error);
}

}  // namespace HighScoreFile
