// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/hunspell_dictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>
#include <iconv.h>


namespace {

// Hunspell names some code pages its own way ("microsoft-cp1251"); iconv knows
// them as "CP1251".
QByteArray IconvName(const QString& encoding)
{
    QString name = encoding.trimmed();
    if (name.startsWith(QStringLiteral("microsoft-"), Qt::CaseInsensitive))
        name = name.mid(10);
    return name.toLatin1();
}

// Converts the whole of `input`; nothing when the converter is unknown or a
// character has no counterpart in the target encoding.
std::optional<QByteArray> Convert(const QByteArray& to, const QByteArray& from, const QByteArray& input)
{
    iconv_t converter = iconv_open(to.constData(), from.constData());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char* out = output.data();
    size_t outLeft = static_cast<size_t>(output.size());
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return output;
}

}  // namespace

HunspellDictionary::HunspellDictionary(std::unique_ptr<Hunspell> hunspell, QString encoding)
    : hunspell_(std::move(hunspell)),
      encoding_(std::move(encoding)),
      utf8_(encoding_.compare(QStringLiteral("UTF-8"), Qt::CaseInsensitive) == 0 ||
            encoding_.compare(QStringLiteral("UTF8"), Qt::CaseInsensitive) == 0)
{
}

HunspellDictionary::~HunspellDictionary() = default;

std::unique_ptr<HunspellDictionary> HunspellDictionary::Find(const QStringList& folders, const QString& locale)
{
    for (const QString& folder : folders) {
        const QDir dir(folder);
        auto dictionary = Load(dir.filePath(locale + QStringLiteral(".aff")), dir.filePath(locale + QStringLiteral(".dic")));
        if (dictionary)
            return dictionary;
    }
    return nullptr;
}

std::unique_ptr<HunspellDictionary> HunspellDictionary::Load(const QString& affPath, const QString& dicPath)
{
    // Hunspell itself takes a missing file for an empty dictionary that knows no word.
    if (!QFileInfo(affPath).isFile() || !QFileInfo(dicPath).isFile())
        return nullptr;
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                               QFile::encodeName(dicPath).constData());
    const QString encoding = QString::fromStdString(hunspell->get_dict_encoding());
    return std::unique_ptr<HunspellDictionary>(new HunspellDictionary(std::move(hunspell), encoding));
}

bool HunspellDictionary::IsCorrect(const QString& word)
{
    const std::optional<QByteArray> encoded = Encode(word);
    return encoded && hunspell_->spell(encoded->toStdString());
}

QStringList HunspellDictionary::Suggestions(const QString& word)
{
    const std::optional<QByteArray> encoded = Encode(word);
    if (!encoded)
        return {};
    QStringList suggestions;
    for (const std::string& suggestion : hunspell_->suggest(encoded->toStdString()))
        suggestions.append(Decode(QByteArray::fromStdString(suggestion)));
    return suggestions;
}

std::optional<QByteArray> HunspellDictionary::Encode(const QString& word) const
{
    if (utf8_)
        return word.toUtf8();
    return Convert(IconvName(encoding_), "UTF-8", word.toUtf8());
}

QString HunspellDictionary::Decode(const QByteArray& bytes) const
{
    if (utf8_)
        return QString::fromUtf8(bytes);
    const std::optional<QByteArray> utf8 = Convert("UTF-8", IconvName(encoding_), bytes);
    return utf8 ? QString::fromUtf8(*utf8) : QString::fromLatin1(bytes);
}
