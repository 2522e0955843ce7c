#include "high_score_file.h"

#include "program_folder.h"
#include "score_format.h"

#include <QStringConverter>
#include <QStringDecoder>

#include <limits>
#include <optional>

namespace HighScoreFile {
namespace {

constexpr QChar kQuote = QLatin1Char('"');
constexpr QChar kComma = QLatin1Char(',');

QString DecodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
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

std::vector<HighScoreEntry> Parse(const QByteArray& bytes)
{
    std::vector<HighScoreEntry> entries;
    const QStringList lines = DecodeText(bytes).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        if (std::optional<HighScoreEntry> entry = ParseLine(line))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

QByteArray Format(const std::vector<HighScoreEntry>& entries)
{
    QString text;
    for (const HighScoreEntry& entry : entries)
        text += NameField(entry.Name) + kComma + SignedText(entry.Score) + QStringLiteral("\r\n");
    return text.toUtf8();
}

std::vector<HighScoreEntry> Load()
{
    const QString name = QString::fromLatin1(kFileName);
    if (!ProgramFolder::Exists(name))
        return {};
    return Parse(ProgramFolder::ReadAll(name).value_or(QByteArray()));
}

bool Save(const std::vector<HighScoreEntry>& entries, QString* error)
{
    return ProgramFolder::WriteAtomically(QString::fromLatin1(kFileName), Format(entries), error);
}

}  // namespace HighScoreFile
