#pragma once

#include <QByteArray>
#include <QString>

// The local documents the "?" menu shows: the help page and the word-rules text.
namespace HelpFiles {

inline constexpr const char* kHelpPage = "Letterama.htm";
inline constexpr const char* kWordRules = "REGPAROL.TXT";

// The lines of a word-rules text, one under the other, for a message box.
QString JoinWordRules(const QByteArray& bytes);

// The word-rules text of the current folder ready to show, or the error message
// naming the file when it is missing.
QString WordRulesMessage();

// The help-page missing message.
QString MissingHelpMessage();

}  // namespace HelpFiles
