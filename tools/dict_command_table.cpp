#include "dict_command.h"
#include "dict_commands.h"

#include <array>

std::span<const DictCommand> DictCommands()
{
    static constexpr std::array commands = {
        DictCommand{"build", "--language N [-o FILE] WORDLIST...",
                    "write a lexicon file from plain word lists",
                    "  --language N   1 Italian, 2 English, 3 Latin (sets the alphabet)\n"
                    "  -o FILE        the lexicon to write (default SLESSICO.N)\n"
                    "Word lists hold one word per line, UTF-8 or Latin-1. Words of 3 to 10\n"
                    "letters of the language's alphabet are kept, accents folded; names,\n"
                    "abbreviations and Roman numerals dropped from lists written in lower case.",
                    RunBuildCommand},
        DictCommand{"info", "FILE",
                    "show the index of a lexicon file",
                    "Prints one line per word length 3 to 15: the length, the 1-based\n"
                    "position of the first word and the number of words, as the game reads them.",
                    RunInfoCommand},
    };
    return commands;
}
