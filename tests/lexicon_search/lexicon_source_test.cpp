// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/dict_run.h"
#include "lexicon/core/lexicon_scan.h"
#include "lexicon/core/lexicon_source.h"
#include "platform/core/program_folder.h"
#include "tests/lexicon_search/search_fixture.h"
#include "tests/support/temp_program_folder.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

// A missing lexicon and one that is there but cannot be read are different errors,
// for the game's readers and for the single-query pass alike; the message names the
// file either way, and the command-line tool words each its own way.
TEST(LexiconSource, MissingAndUnreadableFilesGiveTheirOwnError)
{
    using Kind = LexiconError::Kind;
    struct Row {
        const char* what;
        std::function<void(TempProgramFolder&)> prepare;
        bool wordsLoaded;                // the game loaded the words before the change
        std::optional<Kind> error;       // none: the lexicon opens
        const char* message;
        const char* toolComplaint;
    };
    const QByteArray lexicon = LexiconBytes({"CASA"});
    const Row rows[] = {
        {"no file", [](TempProgramFolder&) {}, false, Kind::Missing,
         "Errore 0002: Non trovato file di vocabolario SLESSICO.1", "no such lexicon file: SLESSICO.1"},
        {"removed after loading", [](TempProgramFolder&) {}, true, Kind::Missing,
         "Errore 0002: Non trovato file di vocabolario SLESSICO.1", "no such lexicon file: SLESSICO.1"},
        {"a folder of that name", [](TempProgramFolder& f) { QDir(f.Path()).mkdir(QStringLiteral("SLESSICO.1")); },
         false, Kind::Missing, "Errore 0002: Non trovato file di vocabolario SLESSICO.1",
         "lexicon file is a folder, not a regular file: SLESSICO.1"},
        // 30 GB that cost no disk: read whole, it would exhaust the memory.
        {"a 30 GB sparse file",
         [](TempProgramFolder& f) {
             QFile file(f.FilePath(QStringLiteral("SLESSICO.1")));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(30LL * 1024 * 1024 * 1024));
         },
         false, Kind::TooLarge, "Errore 0002: Il file di vocabolario SLESSICO.1 è troppo grande",
         "lexicon file is too large: SLESSICO.1"},
        // Reading /proc/self/mem from its start fails even for the superuser.
        {"a file that cannot be read",
         [](TempProgramFolder& f) { QFile::link(QStringLiteral("/proc/self/mem"), f.FilePath("SLESSICO.1")); }, false,
         Kind::Unreadable, "Errore 0002: Impossibile leggere il file di vocabolario SLESSICO.1",
         "cannot read lexicon file: SLESSICO.1"},
        {"the name in lower case", [&](TempProgramFolder& f) { f.Write(QStringLiteral("slessico.1"), lexicon); },
         false, std::nullopt, "", ""},
        {"words loaded, file still there", [&](TempProgramFolder& f) { f.Write(QStringLiteral("SLESSICO.1"), lexicon); },
         true, std::nullopt, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempProgramFolder folder;
        std::shared_ptr<const LexiconWords> words;
        if (row.wordsLoaded) {
            folder.Write(QStringLiteral("SLESSICO.1"), lexicon);
            words = LexiconWords::Load(folder.FilePath(QStringLiteral("SLESSICO.1")));
            QFile::remove(folder.FilePath(QStringLiteral("SLESSICO.1")));
        }
        row.prepare(folder);

        const auto opened = LexiconSource::ForLanguage(ProgramFiles(folder.Path()), Language::Italian, words).Open();
        const auto scan = LexiconScan::Open(folder.FilePath(QStringLiteral("SLESSICO.1")));
        const DictRun tool = RunDictIn(folder.Path(), {"lookup", "--lexicon", "SLESSICO.1", "CASA", "CASA"});

        ASSERT_EQ(opened.HasValue(), !row.error);
        ASSERT_EQ(scan.HasValue(), !row.error);
        if (!row.error) {
            EXPECT_TRUE(*opened);
            EXPECT_TRUE(scan->Contains(QStringLiteral("CASA")));
            EXPECT_EQ(tool.status, kDictSuccess) << tool.err.toStdString();
            continue;
        }
        EXPECT_EQ(LexiconWords::Load(ProgramFolder::Resolve(folder.FilePath(QStringLiteral("SLESSICO.1")))), nullptr);
        EXPECT_EQ(opened.Error().kind, *row.error);
        EXPECT_EQ(scan.Error().kind, *row.error);
        EXPECT_EQ(opened.Error().Message(), QString::fromUtf8(row.message));
        EXPECT_EQ(tool.status, kDictFailure);
        EXPECT_EQ(tool.err, QStringLiteral("letterama-dict lookup: %1\n").arg(QLatin1String(row.toolComplaint)));
    }
    EXPECT_EQ(MissingLexiconMessage(Language::Latin), QStringLiteral("Errore 0002: Non trovato file di vocabolario SLESSICO.3"));
}
