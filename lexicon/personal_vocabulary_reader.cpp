#include "personal_vocabulary_reader.h"
#include "program_folder.h"
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
    const char* const data = contents->constData();
    const qsizetype size = contents->size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        if (UpperEquals(data + start, end - start, word) && !UpperEquals(data + start, end - start, excluded))
            return Result::Found;
        if (end < size && data[end] == '\r' && end + 1 < size && data[end + 1] == '\n')
            ++end;
        start = end + 1;
        if (!pacer.Step())
            return Result::Overtaken;
    }
    return Result::NotFound;
}
