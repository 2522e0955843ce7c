// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/core/announcement.h"
#include "model/game_settings.h"
#include "game/core/spoken_text.h"

#include <gtest/gtest.h>

namespace {

constexpr int kUnlimited = GameSettings::kUnlimitedSeconds;

struct LettersRow {
    const char* drawn;
    const char* spoken;
};

class SpokenLetters : public ::testing::TestWithParam<LettersRow> {};

TEST_P(SpokenLetters, AreSpelledOneByOne)
{
    EXPECT_EQ(SpokenText::Letters(QString::fromLatin1(GetParam().drawn)), QString::fromLatin1(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(Boards, SpokenLetters,
                         ::testing::Values(LettersRow{"CASTELLOAR", "Lettere estratte: C A S T E L L O A R"},
                                           LettersRow{"casaroba", "Lettere estratte: C A S A R O B A"},
                                           // the text copy of a board still drawing is padded with blanks
                                           LettersRow{"CAS       ", "Lettere estratte: C A S"}));

// Which ticks say the seconds left on their own, and what they say.
struct MarkRow {
    int roundSeconds;
    int elapsed;
    bool says;
};

class SecondsLeftMarks : public ::testing::TestWithParam<MarkRow> {};

TEST_P(SecondsLeftMarks, AreThirtyAndTenBeforeTheEndOfATimedManche)
{
    const MarkRow& row = GetParam();
    EXPECT_EQ(SpokenText::SaysSecondsLeftAt(row.elapsed, row.roundSeconds, row.roundSeconds == kUnlimited), row.says)
        << row.roundSeconds << " s, tick " << row.elapsed;
}

INSTANTIATE_TEST_SUITE_P(Manches, SecondsLeftMarks,
                         ::testing::Values(MarkRow{30, 0, false},   // 30 left at the start: the letters are said
                                           MarkRow{30, 19, false}, MarkRow{30, 20, true}, MarkRow{30, 21, false},
                                           MarkRow{60, 29, false}, MarkRow{60, 30, true}, MarkRow{60, 50, true},
                                           MarkRow{60, 59, false}, MarkRow{90, 60, true}, MarkRow{90, 80, true},
                                           MarkRow{90, 1, false}, MarkRow{kUnlimited, kUnlimited - 10, false},
                                           MarkRow{kUnlimited, kUnlimited - 30, false}));

struct TimeNowRow {
    bool running;
    int elapsed;
    int roundSeconds;
    const char* spoken;
};

class TimeKey : public ::testing::TestWithParam<TimeNowRow> {};

TEST_P(TimeKey, SaysWhatIsLeftOrGone)
{
    const TimeNowRow& row = GetParam();
    EXPECT_EQ(SpokenText::TimeNow(row.running, row.elapsed, row.roundSeconds, row.roundSeconds == kUnlimited),
              QString::fromUtf8(row.spoken));
}

INSTANTIATE_TEST_SUITE_P(Moments, TimeKey,
                         ::testing::Values(TimeNowRow{true, 12, 60, "Mancano 48 secondi"},
                                           TimeNowRow{true, 29, 30, "Manca 1 secondo"},
                                           TimeNowRow{true, 0, 90, "Mancano 90 secondi"},
                                           TimeNowRow{true, 45, kUnlimited, "Tempo illimitato: trascorsi 45 secondi"},
                                           TimeNowRow{false, 0, 60, "Tempo fermo"}));

struct AnnouncedRow {
    QList<int> players;
    const char* spoken;
};

class AnnouncedPlayers : public ::testing::TestWithParam<AnnouncedRow> {};

TEST_P(AnnouncedPlayers, AreNamedOnceWithASingleColon)
{
    EXPECT_EQ(Announcement::AnnouncedText(GetParam().players), QString::fromUtf8(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(Players, AnnouncedPlayers,
                         ::testing::Values(AnnouncedRow{{4}, "Giocatore 4: parola annunciata"},
                                           AnnouncedRow{{2, 4}, "Giocatori 2 e 4: parole annunciate"},
                                           AnnouncedRow{{2, 3, 4}, "Giocatori 2, 3 e 4: parole annunciate"},
                                           AnnouncedRow{{}, ""}));

struct LengthsRow {
    QList<std::pair<int, int>> lengths;
    const char* spoken;
};

class AnnouncedWordLengths : public ::testing::TestWithParam<LengthsRow> {};

TEST_P(AnnouncedWordLengths, SayHowLongEachHiddenWordIs)
{
    EXPECT_EQ(Announcement::AnnouncedLengths(GetParam().lengths), QString::fromUtf8(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, AnnouncedWordLengths,
    ::testing::Values(LengthsRow{{{2, 5}, {3, 7}, {4, 0}},
                                 "Giocatore 2: 5 lettere; giocatore 3: 7 lettere; giocatore 4: nessuna parola"},
                      LengthsRow{{{3, 1}}, "Giocatore 3: 1 lettera"}, LengthsRow{{}, ""}));

}  // namespace
