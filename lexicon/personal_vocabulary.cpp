#include "personal_vocabulary.h"

#include "language.h"
#include "lexicon_file.h"
#include "lexicon_index.h"
#include "program_folder.h"
#include "text_lines.h"

#include <QFile>

namespace {

constexpr int kMinimumWordLength = 3;

// A word goes into the file one byte per character: anything beyond Latin-1, and
// control characters (a line end inside a word would split it in two), cannot.
bool FitsOneBytePerCharacter(const QString& word)
{
    for (const QChar c : word) {
        if (c.unicode() > 0xFF || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

}  // namespace

PersonalVocabulary::PersonalVocabulary(int language) : language_(language) {}

QString PersonalVocabulary::FileName(int language)
{
    return QStringLiteral("USERVOCA.") + QString::number(language);
}

bool PersonalVocabulary::Exists() const
{
    return ProgramFolder::Exists(FileName());
}

bool PersonalVocabulary::EnsureExists() const
{
    if (Exists())
        return true;
    QFile file(ProgramFolder::Resolve(FileName()));
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

QStringList PersonalVocabulary::Read() const
{
    return ParseEntries(ProgramFolder::ReadAll(FileName()).value_or(QByteArray()));
}

bool PersonalVocabulary::Save(const QStringList& words, QString* error) const
{
    return ProgramFolder::WriteAtomically(FileName(), FormatEntries(words), error);
}

bool PersonalVocabulary::AppendWord(const QString& word) const
{
    const QString entry = word.trimmed().toUpper();
    if (entry.isEmpty() || !FitsOneBytePerCharacter(entry))
        return false;

    const QString path = ProgramFolder::Resolve(FileName());
    QByteArray record;
    {
        // A file edited by hand may end without its line end; the new word must
        // still start a line of its own.
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.size() > 0) {
            char last = 0;
            if (!existing.seek(existing.size() - 1) || !existing.getChar(&last))
                return false;
            if (last != '\n' && last != '\r')
                record.append("\r\n");
        }
    }
    record.append(entry.toLatin1());
    record.append("\r\n");

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // One write of the whole record: a failure can at worst leave a partial last
    // line, never touch the lines already there.
    return file.write(record) == record.size() && file.flush();
}

QStringList PersonalVocabulary::ParseEntries(const QByteArray& bytes)
{
    QStringList entries;
    ForEachLine(bytes, [&entries](const char* line, qsizetype size) {
        if (size > 0)
            entries.append(QString::fromLatin1(line, size).toUpper());
        return true;
    });
    return entries;
}

QByteArray PersonalVocabulary::FormatEntries(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words) {
        bytes.append(word.toUpper().toLatin1());
        bytes.append("\r\n");
    }
    return bytes;
}

MainLexiconMatch FindInMainLexicon(int language, const QString& word)
{
    LexiconFile lexicon;
    if (!lexicon.Open(TableOf(static_cast<Language>(language)).LexiconFileName()))
        return MainLexiconMatch::FileMissing;
    const int length = static_cast<int>(word.size());
    if (length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength || !FitsOneBytePerCharacter(word))
        return MainLexiconMatch::NotFound;

    const LexiconSection section = lexicon.ReadSection(lexicon.ReadIndex(), length);
    const QByteArray wanted = word.toLatin1();
    for (std::int32_t i = 0; i < section.Count(); ++i) {
        if (section.Word(i) == wanted)
            return MainLexiconMatch::Found;
    }
    return MainLexiconMatch::NotFound;
}

NewWordVerdict CheckNewWord(const QString& word, const QString& alphabet, int language, const QStringList& listed)
{
    for (const QChar c : word) {
        if (!alphabet.contains(c))
            return NewWordVerdict::OutsideAlphabet;
    }
    if (word.isEmpty())
        return NewWordVerdict::Empty;
    if (word.size() < kMinimumWordLength)
        return NewWordVerdict::TooShort;
    switch (FindInMainLexicon(language, word)) {
    case MainLexiconMatch::Found:
        return NewWordVerdict::InMainLexicon;
    case MainLexiconMatch::FileMissing:
        return NewWordVerdict::LexiconMissing;
    case MainLexiconMatch::NotFound:
        break;
    }
    return listed.contains(word) ? NewWordVerdict::AlreadyListed : NewWordVerdict::Accepted;
}
