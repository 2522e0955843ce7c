// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/settings_lines.h"

#include "platform/core/numeric_value.h"
#include "platform/core/single_byte_text.h"

#include <array>

namespace {

using SettingsLines::Key;

struct KeyName {
    Key key;
    const char* text;
};

// The order in which keys are tried against a line: the first one found wins.
constexpr std::array<KeyName, 8> kRecognitionOrder{{{Key::Level, "Livello"},
                                                    {Key::Sound, "Suono"},
                                                    {Key::TileStyle, "SfondoCasella"},
                                                    {Key::Time, "Tempo"},
                                                    {Key::LetterCount, "NumeroLettere"},
                                                    {Key::PlayerName, "Giocatore1"},
                                                    {Key::Language, "Dizionario"},
                                                    {Key::Site, "Sito"}}};

}  // namespace

namespace SettingsLines {

QStringList Split(const QString& text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return unified.split(QLatin1Char('\n'));
}

std::optional<Key> KeyOf(const QString& line)
{
    // A line written by the game starts with its own key; a player named, say,
    // "Tempo" must not turn the name line into a time line. Only a line that starts
    // with no key is searched for a key anywhere in it.
    for (const KeyName& candidate : kRecognitionOrder) {
        if (line.startsWith(QLatin1String(candidate.text) + QLatin1Char('=')))
            return candidate.key;
    }
    for (const KeyName& candidate : kRecognitionOrder) {
        if (line.contains(QLatin1String(candidate.text)))
            return candidate.key;
    }
    return std::nullopt;
}

QString ValueOf(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : line.mid(equals + 1);
}

std::optional<QString> LastValue(const QByteArray& bytes, Key key)
{
    std::optional<QString> value;
    for (const QString& line : Split(SingleByteText::Decode(bytes))) {
        if (KeyOf(line) == key)
            value = ValueOf(line);
    }
    return value;
}

std::optional<QString> Site(const QByteArray& bytes)
{
    const std::optional<QString> value = LastValue(bytes, Key::Site);
    if (!value)
        return std::nullopt;
    return value->trimmed();
}

std::optional<int> LexiconLanguage(const QByteArray& bytes)
{
    const std::optional<QString> value = LastValue(bytes, Key::Language);
    if (!value)
        return std::nullopt;
    // A value too large for a setting is as wrong as any other outside 1 to 3.
    return NumericValueToSetting(NumericValue(*value), 0);
}

}  // namespace SettingsLines
