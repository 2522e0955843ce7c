// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/game_settings.h"
#include "platform/core/program_files.h"
#include "platform/core/program_folder.h"
#include "platform/core/settings_lines.h"

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
    std::optional<QString> Site;         // the "Sito=" line, blanks around it removed

    // Puts what the file names into `settings` and `playerName`; a language number
    // outside 1 to 3 gives Italian.
    void ApplyTo(GameSettings& settings, QString& playerName) const;
};

// "LETTRAMA.INI": one "Key=value" line per setting, CR LF line ends, text in the
// single-byte code page (Windows-1252), rewritten whole after every change. Seven
// lines, and an eighth "Sito=" only when the player has named a site of their own.
namespace SettingsFile {

inline constexpr const char* kFileName = SettingsLines::kFileName;
inline constexpr qint64 kMaxFileBytes = SettingsLines::kMaxFileBytes;

// Reads the lines of a settings file. A line belongs to the first key found in it
// (keys compare case-sensitively) and its value is everything after the first "=".
// Unknown lines and unknown values never fail: they are skipped or fall back to the
// default of their key.
StoredSettings Parse(const QByteArray& bytes);

// The whole file, keys in their fixed order; nothing when the name holds a character
// the code page cannot store.
std::optional<QByteArray> Format(const GameSettings& settings, const QString& playerName);

// The settings file of `files` (found without regard to case); nothing when there is
// none or it cannot be read, and then `status` tells which.
std::optional<StoredSettings> Read(const ProgramFiles& files, ProgramFolder::ReadStatus* status = nullptr);

// Replaces the settings file of `files` whole, through a temporary file.
// A file that is there but cannot be read (no permission, not a regular file, too
// large) is never replaced: the player may not have written it for this game. A
// name the code page cannot store is refused too, so the old name stays saved.
bool Write(const ProgramFiles& files, const GameSettings& settings, const QString& playerName, QString* error = nullptr);

}  // namespace SettingsFile
