#include "personal_vocabulary_reader.h"
#include "program_folder.h"
#include "text_lines.h"
#include "yield_pacer.h"

namespace {

// Whether the line, in upper case, equals `text`. Plain ASCII lines, the usual ones,
// are compared without building a string.
bool UpperEquals(const char* line, qsizetype size, const QString& text)
{
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i)
        ascii = static_cast<unsigned char>(line[i]) < 0x80;
    if (!ascii)
        return QString::fromLatin1(line, size).toUpper() == text;
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

PersonalVocabularyReader::Result PersonalVocabularyReader::Find(const QString& fileName, const QString& word,
                                                                const QString& excluded, YieldPacer& pacer)
{
    if (fileName.isEmpty())
        return Result::NotFound;
    const std::optional<QByteArray> contents = ProgramFolder::ReadAll(fileName);
    if (!contents)
        return Result::NotFound;
    bool overtaken = false;
    const bool readToTheEnd = ForEachLine(*contents, [&](const char* line, qsizetype size) {
        if (UpperEquals(line, size, word) && !UpperEquals(line, size, excluded))
            return false;
        overtaken = !pacer.Step();
        return !overtaken;
    });
    if (overtaken)
        return Result::Overtaken;
    if (!readToTheEnd)
        return Result::Found;
    return Result::NotFound;
}
