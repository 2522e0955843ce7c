// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/settings_file.h"

#include "platform/core/numeric_value.h"
#include "platform/core/program_folder.h"
#include "platform/core/settings_lines.h"
#include "platform/core/single_byte_text.h"
#include "platform/core/single_byte_upper_case.h"

#include <QStringList>

namespace {

using SettingsLines::Key;

QString LeftTrimmed(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return text.mid(i);
}

void ApplyLine(const QString& line, StoredSettings& stored)
{
    const std::optional<Key> key = SettingsLines::KeyOf(line);
    if (!key)
        return;
    const QString value = SettingsLines::ValueOf(line);
    const QString word = SingleByteUpperCase(LeftTrimmed(value));
    const QString number = value.trimmed();
    switch (*key) {
    case Key::Level:
        stored.Level = word == QLatin1String("PRINCIPIANTE") ? 1 : word == QLatin1String("ESPERTO") ? 3 : 2;
        break;
    case Key::Sound:
        stored.SoundOn = word == QLatin1String("SI");
        break;
    case Key::Time:
        stored.RoundSeconds = number == QLatin1String("30")      ? 30
                              : number == QLatin1String("90")    ? 90
                              : number == QLatin1String("32000") ? 32000
                                                                 : 60;
        break;
    case Key::LetterCount:
        stored.LetterCount = number == QLatin1String("8") ? 8 : number == QLatin1String("9") ? 9 : 10;
        break;
    case Key::PlayerName:
        stored.PlayerName = SingleByteUpperCase(value);
        break;
    case Key::TileStyle:
        stored.TileStyle = number == QLatin1String("3")   ? 3
                           : number == QLatin1String("4") ? 4
                           : number == QLatin1String("1") ? 1
                                                          : 2;
        break;
    case Key::Language:
        // A value too large for a setting is as wrong as any other outside 1 to 3.
        stored.LexiconLanguage = NumericValueToSetting(NumericValue(value), 0);
        break;
    case Key::Site:
        stored.Site = value.trimmed();
        break;
    }
}

QString LevelWord(Difficulty level)
{
    if (level == Difficulty::Beginner)
        return QStringLiteral("Principiante");
    return level == Difficulty::Expert ? QStringLiteral("Esperto") : QStringLiteral("Medio");
}

}  // namespace

void StoredSettings::ApplyTo(GameSettings& settings, QString& playerName) const
{
    if (Level)
        settings.Level = static_cast<Difficulty>(*Level);
    if (SoundOn)
        settings.SoundOn = *SoundOn;
    if (RoundSeconds)
        settings.RoundSeconds = *RoundSeconds;
    if (LetterCount)
        settings.LetterCount = *LetterCount;
    if (PlayerName)
        playerName = *PlayerName;
    if (TileStyle)
        settings.TileStyle = static_cast<TileLook>(*TileStyle);
    if (LexiconLanguage)
        settings.LexiconLanguage = LanguageFromNumber(*LexiconLanguage).value_or(Language::Italian);
    if (Site)
        settings.Site = *Site;
}

namespace SettingsFile {

StoredSettings Parse(const QByteArray& bytes)
{
    StoredSettings stored;
    for (const QString& line : SettingsLines::Split(SingleByteText::Decode(bytes)))
        ApplyLine(line, stored);
    return stored;
}

std::optional<QByteArray> Format(const GameSettings& settings, const QString& playerName)
{
    // A name must stay on its own line whatever was pasted into the name box.
    const auto oneLine = [](QString value) {
        return value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    const QString name = oneLine(playerName);

    QString text;
    const QString end = QStringLiteral("\r\n");
    text += QStringLiteral("Livello=") + LevelWord(settings.Level) + end;
    text += QStringLiteral("Suono=") + (settings.SoundOn ? QStringLiteral("Si") : QStringLiteral("No")) + end;
    text += QStringLiteral("Tempo=") + QString::number(settings.RoundSeconds) + end;
    text += QStringLiteral("NumeroLettere=") + QString::number(settings.LetterCount) + end;
    text += QStringLiteral("Giocatore1=") + name + end;
    // With no style chosen the line still ends here, so "Dizionario=" keeps its own line.
    text += QStringLiteral("SfondoCasella=") +
            (settings.TileStyle != TileLook::None ? QString::number(static_cast<int>(settings.TileStyle)) : QString()) +
            end;
    // A number is printed with a blank where a minus sign would stand.
    text += QStringLiteral("Dizionario= ") + QString::number(TableOf(settings.LexiconLanguage).Number()) + end;
    // Written back only when the player has named a site: a file without one keeps
    // its seven lines.
    const QString site = oneLine(settings.Site).trimmed();
    if (!site.isEmpty())
        text += QStringLiteral("Sito=") + site + end;
    return SingleByteText::Encode(text);
}

std::optional<StoredSettings> Read(const ProgramFiles& files, ProgramFolder::ReadStatus* status)
{
    const ProgramFolder::ReadResult file = files.Read(QString::fromLatin1(kFileName), kMaxFileBytes);
    if (status)
        *status = file.status;
    if (!file.Ok())
        return std::nullopt;
    return Parse(file.bytes);
}

bool Write(const ProgramFiles& files, const GameSettings& settings, const QString& playerName, QString* error)
{
    const QString fileName = QString::fromLatin1(kFileName);
    const ProgramFolder::ReadStatus present = files.Read(fileName, kMaxFileBytes).status;
    if (present != ProgramFolder::ReadStatus::Ok && present != ProgramFolder::ReadStatus::Missing) {
        if (error)
            *error = ProgramFolder::ReadFailureText(present, fileName) + QStringLiteral(" Il file non viene sostituito.");
        return false;
    }
    const std::optional<QByteArray> bytes = Format(settings, playerName);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("il nome ") + playerName +
                     QStringLiteral(" contiene caratteri che il file non può contenere; resta salvato il nome precedente.");
        return false;
    }
    return files.WriteWhole(fileName, *bytes, error);
}

}  // namespace SettingsFile
