// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/core/dict_command.h"
#include "tools/core/dict_commands.h"

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
        DictCommand{"solve", "--lexicon FILE LETTERS",
                    "list the words the computer players find in a draw",
                    "Prints one line per word found, \"(\" + length + \") -   \" + word: lengths 3 to\n"
                    "the number of LETTERS ascending, lexicon file order within a length.\n"
                    "LETTERS are taken in upper case.",
                    RunSolveCommand},
        DictCommand{"lookup", "--lexicon FILE [--vocabulary FILE] [--excluded WORD] LETTERS WORD",
                    "judge a word handed in: SI, NO or NO2",
                    "  --vocabulary FILE  a personal vocabulary, one word per line\n"
                    "  --excluded WORD    a vocabulary entry that does not count\n"
                    "SI: spelt from LETTERS, 3 letters or more, and in the lexicon or the\n"
                    "vocabulary. NO: spelt, but in neither. NO2: needs a letter not drawn, or\n"
                    "is under 3 letters. LETTERS and WORD are taken in upper case.",
                    RunLookupCommand},
        DictCommand{"harvest", "[--foreign-letters] [--names] [--skip-known LEXICON] TEXTFILE DIR",
                    "append the new words of a text to the word files of DIR",
                    "  --foreign-letters     take words with J, K, W, X or Y too\n"
                    "  --names               cut words at punctuation, digits and tabs, leave out the\n"
                    "                        elided part before an apostrophe and skip the words\n"
                    "                        written with a capital inside a sentence (names), as\n"
                    "                        Gleaner's box \"Separa le parole alla punteggiatura e\n"
                    "                        salta i nomi\" does\n"
                    "  --skip-known LEXICON  skip the words LEXICON holds already, as Gleaner's box\n"
                    "                        \"Salta le parole già nel dizionario\" does\n"
                    "Does what Gleaner does: cuts the text (UTF-8 or Windows-1252) at blanks and\n"
                    "appends each word of 2 to 15 letters (accented vowels taken as plain) that is\n"
                    "not yet a line of DIR/N.txt to that file, N being its length. Prints the\n"
                    "tokens read, the words appended and the words dropped.",
                    RunHarvestCommand},
        DictCommand{"export", "[--force] LEXICON DIR",
                    "write the per-length word files of a lexicon",
                    "  --force  write over word files that hold words the lexicon lacks\n"
                    "Writes 3.TXT to 10.TXT into DIR (made when missing), one word per line\n"
                    "with CR LF ends, in the order the dictionary editor keeps its lists, as its\n"
                    "\"Crea Files TXT\" does. Files named in another letter case are replaced.\n"
                    "When the files hold words the lexicon lacks (a harvest appends to them),\n"
                    "nothing is written and the exit status is 3, unless --force is given.",
                    RunExportCommand},
        DictCommand{"rebuild", "DIR [-o FILE] [--language N] [--add] [--force]",
                    "write a lexicon file from per-length word files",
                    "  --language N   1 Italian, 2 English, 3 Latin (default 1: banner, alphabet)\n"
                    "  -o FILE        the lexicon to write (default SLESSICO.N)\n"
                    "  --add          add the words of the files to those of FILE\n"
                    "  --force        replace FILE even when it would lose words\n"
                    "Reads 3.TXT to 10.TXT from DIR (any letter case) as the dictionary editor's\n"
                    "import does, sorts them as its lists do and writes the lexicon as its rebuild\n"
                    "does: lines of another length or with characters outside the alphabet are\n"
                    "left out. The old file is replaced only once the new one is complete.\n"
                    "Without --add the files replace the lexicon's words: when FILE holds words\n"
                    "the new one would lack (a length without its file, fewer words), nothing is\n"
                    "written and the exit status is 3, unless --force is given. So is it when\n"
                    "another rebuild of FILE is under way (FILE.lock is locked), or when FILE\n"
                    "changes while it is read.",
                    RunRebuildCommand},
    };
    return commands;
}
