#include "help_files.h"
#include "temp_program_folder.h"

#include <gtest/gtest.h>

TEST(HelpFiles, WordRulesShowOneLinePerLine)
{
    EXPECT_EQ(HelpFiles::JoinWordRules("Regola uno\r\nRegola due\r\n"), QStringLiteral("Regola uno\nRegola due"));
    EXPECT_EQ(HelpFiles::JoinWordRules("A\rB\nC"), QStringLiteral("A\nB\nC"));
    EXPECT_EQ(HelpFiles::JoinWordRules("A\r\n\r\nB"), QStringLiteral("A\n\nB"));
    EXPECT_EQ(HelpFiles::JoinWordRules("Citt\xe0"), QStringLiteral("Città"));
}

TEST(HelpFiles, WordRulesFileIsFoundInAnyCaseOrNamedWhenMissing)
{
    TempProgramFolder folder;
    EXPECT_EQ(HelpFiles::WordRulesMessage(),
              QStringLiteral("ERRORE 0001: File contenente le regole sulle parole non trovato: REGPAROL.TXT"));
    folder.Write(QStringLiteral("regparol.txt"), "Niente nomi propri\r\nNiente sigle\r\n");
    EXPECT_EQ(HelpFiles::WordRulesMessage(), QStringLiteral("Niente nomi propri\nNiente sigle"));
}
