#pragma once

#include "game_settings.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What a settings file held, value by value as written: a key that no line names
// stays empty and keeps the value the game already has.
struct StoredSettings {
    std::optional<int> Level;
    std::optional<bool> SoundOn;
    std::optional<int> RoundSeconds;
    std::optional<int> LetterCount;
    std::optional<QString> PlayerName;
    std::optional<int> TileStyle;
    std::optional<int> LexiconLanguage;  // as written; may lie outside 1 to 3

    // Puts what the file names into `settings` and `playerName`; a language number
    // outside 1 to 3 gives Italian.
    void ApplyTo(GameSettings& settings, QString& playerName) const;
};

// "LETTRAMA.INI": one "Key=value" line per setting, CR LF line ends, text in the
// single-byte code page (Latin-1), rewritten whole after every change.
namespace SettingsFile {

inline constexpr const char* kFileName = "LETTRAMA.INI";

// Reads the lines of a settings file. A line belongs to the first key found in it
// (keys compare case-sensitively) and its value is everything after the first "=".
// Unknown lines and unknown values never fail: they are skipped or fall back to the
// default of their key.
StoredSettings Parse(const QByteArray& bytes);

// The whole file, keys in their fixed order.
QByteArray Format(const GameSettings& settings, const QString& playerName);

// The settings file of the current folder (found without regard to case); nothing
// when there is none.
std::optional<StoredSettings> Read();

// Replaces the settings file of the current folder whole, through a temporary file.
bool Write(const GameSettings& settings, const QString& playerName, QString* error = nullptr);

}  // namespace SettingsFile
