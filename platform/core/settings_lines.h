// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The lines of the game's settings file "LETTRAMA.INI": one "Key=value" line per
// setting, CR LF line ends, text in the single-byte code page. The game reads and
// writes the whole file (SettingsFile); Gleaner, which shares the program folder but
// not the game's code, reads only the player's site and lexicon language from it.
namespace SettingsLines {

inline constexpr const char* kFileName = "LETTRAMA.INI";
// Eight short lines at most; anything near this size is not a settings file.
inline constexpr qint64 kMaxFileBytes = 64 * 1024;

enum class Key { Level, Sound, TileStyle, Time, LetterCount, PlayerName, Language, Site };

// Lines end at CR LF as written; a lone CR or LF (a file edited elsewhere) ends a
// line too.
QStringList Split(const QString& text);

// The key a line belongs to: the key it starts with ("Tempo="), else the first key
// found anywhere in it; the site is tried last, so a line that names one of the seven
// older keys stays theirs. Keys compare case-sensitively.
std::optional<Key> KeyOf(const QString& line);

// Everything after the first "=", or an empty string.
QString ValueOf(const QString& line);

// The value of the last line of `key` in the file's bytes, as written.
std::optional<QString> LastValue(const QByteArray& bytes, Key key);

// The player's own site: the "Sito=" line, blanks around it removed.
std::optional<QString> Site(const QByteArray& bytes);

// The "Dizionario=" number as the game reads it; may lie outside 1 to 3.
std::optional<int> LexiconLanguage(const QByteArray& bytes);

}  // namespace SettingsLines
