// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/personal_vocabulary_reader.h"
#include "lexicon/core/personal_vocabulary.h"
#include "platform/core/program_folder.h"
#include "platform/core/single_byte_text.h"
#include "platform/core/single_byte_upper_case.h"
#include "lexicon/core/text_lines.h"

namespace {

// Whether the line, in upper case, equals `text`. Plain ASCII lines, the usual ones,
// are compared without building a string.
bool UpperEquals(const char* line, qsizetype size, const QString& text)
{
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i)
        ascii = static_cast<unsigned char>(line[i]) < 0x80;
    if (!ascii)
        return SingleByteUpperCase(SingleByteText::Decode(QByteArrayView(line, size))) == text;
    if (size != text.size())
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = line[i] >= 'a' && line[i] <= 'z' ? static_cast<char>(line[i] - 'a' + 'A') : line[i];
        if (text[i].unicode() != static_cast<unsigned char>(c))
            return false;
    }
    return true;
}

}  // namespace

bool PersonalVocabularyReader::Find(const QString& fileName, const QString& word, const QString& excluded)
{
    if (fileName.isEmpty())
        return false;
    const std::optional<QByteArray> contents = ProgramFolder::ReadAll(fileName, PersonalVocabulary::kMaxFileBytes);
    if (!contents)
        return false;
    const bool readToTheEnd = ForEachLine(*contents, [&](const char* line, qsizetype size) {
        return !UpperEquals(line, size, word) || UpperEquals(line, size, excluded);
    });
    return !readToTheEnd;
}
