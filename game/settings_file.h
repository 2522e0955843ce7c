#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The settings the game keeps between runs, in the form they are written.
struct Settings {
    int Level = 2;             // 1 beginner, 2 medium, 3 expert
    bool SoundOn = true;
    int RoundSeconds = 60;     // 30, 60, 90 or 32000 (unlimited)
    int LetterCount = 10;      // 8, 9 or 10
    QString PlayerName;        // the human player's name box as typed
    int TileStyle = 0;         // 1 to 4; 0 when no style has been chosen yet
    int LexiconLanguage = 1;   // 1 Italian, 2 English, 3 Latin
};

// What a settings file held: a key that no line names stays empty, so the caller
// knows which menu check marks the file decides.
struct StoredSettings {
    std::optional<int> Level;
    std::optional<bool> SoundOn;
    std::optional<int> RoundSeconds;
    std::optional<int> LetterCount;
    std::optional<QString> PlayerName;
    std::optional<int> TileStyle;
    std::optional<int> LexiconLanguage;  // as written; may lie outside 1 to 3
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
QByteArray Format(const Settings& settings);

// The settings file of the current folder (found without regard to case); nothing
// when there is none.
std::optional<StoredSettings> Read();

// Replaces the settings file of the current folder whole, through a temporary file.
bool Write(const Settings& settings, QString* error = nullptr);

}  // namespace SettingsFile
