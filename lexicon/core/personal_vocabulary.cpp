// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/personal_vocabulary.h"

#include "model/language.h"
#include "lexicon/core/lexicon_file.h"
#include "lexicon/core/lexicon_index.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"
#include "platform/core/single_byte_text.h"
#include "platform/core/single_byte_upper_case.h"
#include "lexicon/core/text_lines.h"

namespace {

constexpr int kMinimumWordLength = 3;

// A word goes into the file one byte per character: anything outside the code page,
// and control characters (a line end inside a word would split it in two), cannot.
bool FitsOneBytePerCharacter(const QString& word)
{
    for (const QChar c : word) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || (c.unicode() >= 0x80 && c.unicode() <= 0x9F))
            return false;
    }
    return SingleByteText::Encode(word).has_value();
}

}  // namespace

PersonalVocabulary::PersonalVocabulary(int language, const ProgramFiles& files) : language_(language), files_(files)
{
}

QString PersonalVocabulary::FileName(int language)
{
    return QStringLiteral("USERVOCA.") + QString::number(language);
}

bool PersonalVocabulary::Exists() const
{
    return files_.Exists(FileName());
}

bool PersonalVocabulary::EnsureExists(QString* error) const
{
    return files_.CreateIfMissing(FileName(), error);
}

QStringList PersonalVocabulary::Read(QString* error) const
{
    const ProgramFolder::ReadResult file = files_.Read(FileName(), kMaxFileBytes);
    if (error)
        *error = file.status == ProgramFolder::ReadStatus::Missing
                     ? QString()
                     : ProgramFolder::ReadFailureText(file.status, FileName());
    return ParseEntries(file.bytes);
}

bool PersonalVocabulary::Save(const QStringList& words, QString* error) const
{
    const std::optional<QByteArray> bytes = FormatEntries(words);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("una parola contiene caratteri che il file non può contenere");
        return false;
    }
    return files_.WriteWhole(FileName(), *bytes, error);
}

bool PersonalVocabulary::AppendWord(const QString& word, QString* error) const
{
    const QString entry = SingleByteUpperCase(word.trimmed());
    if (entry.isEmpty() || !FitsOneBytePerCharacter(entry)) {
        if (error)
            *error = QStringLiteral("la parola non può essere scritta nel file ") + FileName();
        return false;
    }

    // The append closes a last line left without its end (a file edited by hand)
    // and writes the whole record or nothing.
    const QByteArray record = *SingleByteText::Encode(entry);
    return files_.AppendLine(FileName(), record, error);
}

QStringList PersonalVocabulary::ParseEntries(const QByteArray& bytes)
{
    QStringList entries;
    ForEachLine(bytes, [&entries](const char* line, qsizetype size) {
        if (size > 0)
            entries.append(SingleByteUpperCase(SingleByteText::Decode(QByteArrayView(line, size))));
        return true;
    });
    return entries;
}

std::optional<QByteArray> PersonalVocabulary::FormatEntries(const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words) {
        const std::optional<QByteArray> entry = SingleByteText::Encode(SingleByteUpperCase(word));
        if (!entry)
            return std::nullopt;
        bytes.append(*entry);
        bytes.append("\r\n");
    }
    return bytes;
}

MainLexiconMatch FindInMainLexicon(const ProgramFiles& files, int language, const QString& word)
{
    LexiconFile lexicon;
    if (!lexicon.Open(files.Resolve(TableOf(static_cast<Language>(language)).LexiconFileName())))
        return MainLexiconMatch::FileMissing;
    const int length = static_cast<int>(word.size());
    if (length < LexiconIndex::kMinLength || length > LexiconIndex::kMaxLength || !FitsOneBytePerCharacter(word))
        return MainLexiconMatch::NotFound;

    const LexiconSection section = lexicon.ReadSection(lexicon.ReadIndex(), length);
    const QByteArray wanted = SingleByteText::Encode(word).value_or(QByteArray());
    for (std::int32_t i = 0; i < section.Count(); ++i) {
        if (section.Word(i) == wanted)
            return MainLexiconMatch::Found;
    }
    return MainLexiconMatch::NotFound;
}

NewWordVerdict CheckNewWord(const ProgramFiles& files, const QString& word, const QString& alphabet, int language,
                            const QStringList& listed)
{
    for (const QChar c : word) {
        if (!alphabet.contains(c))
            return NewWordVerdict::OutsideAlphabet;
    }
    if (word.isEmpty())
        return NewWordVerdict::Empty;
    if (word.size() < kMinimumWordLength)
        return NewWordVerdict::TooShort;
    switch (FindInMainLexicon(files, language, word)) {
    case MainLexiconMatch::Found:
        return NewWordVerdict::InMainLexicon;
    case MainLexiconMatch::FileMissing:
        return NewWordVerdict::LexiconMissing;
    case MainLexiconMatch::NotFound:
        break;
    }
    return listed.contains(word) ? NewWordVerdict::AlreadyListed : NewWordVerdict::Accepted;
}
