// SPDX-License-Identifier: GPL-3.0-or-later
// The totals the game's core computes for a game whose letters and words are given:
// what a live table must show at "Fine partita". For the browser test, which reads
// the letters and the words from the server's own results:
//   online_totals LEXICON LETTER_COUNT < game
// where the game is the four names (tab-separated), then one line a manche: the
// letters, then the four words (tab-separated, a word may be empty). Every manche
// ran out of time (no time bonus); the computers play at the medium level. Prints
// the four totals, space-separated.
#include "game/core/game.h"
#include "lexicon/core/lexicon_words.h"
#include "model/game_state.h"
#include "model/language.h"
#include "platform/core/program_files.h"
#include "platform/core/random_source.h"
#include "platform/core/wave_player.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <deque>

namespace {

// Answers the values queued, then 0.
class QueuedRandom : public RandomSource {
public:
    double Next() override
    {
        if (values.empty())
            return 0.0;
        const double next = values.front();
        values.pop_front();
        return next;
    }
    std::deque<double> values;
};

class Silence : public WavePlayer {
public:
    void Play(const QString&) override {}
    bool HasOutput() const override { return false; }
};

int Fail(const QString& why)
{
    QTextStream(stderr) << "online_totals: " << why << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return Fail(QStringLiteral("uso: online_totals LESSICO NUMERO_LETTERE < partita"));
    const LexiconSource lexicon{Language::Italian, arguments[1], LexiconWords::Load(arguments[1])};
    if (!lexicon.Words)
        return Fail(QStringLiteral("lessico illeggibile: ") + arguments[1]);
    QTextStream in(stdin);
    const QStringList names = in.readLine().split(QLatin1Char('\t'));
    if (names.size() != GameRules::kPlayers)
        return Fail(QStringLiteral("servono quattro nomi"));

    QTemporaryDir emptyFolder;
    const ProgramFiles noVocabulary(emptyFolder.path());
    QueuedRandom random;
    Silence silence;
    GameSettings settings;
    settings.LetterCount = arguments[2].toInt();
    settings.RoundSeconds = 30;
    settings.Level = Difficulty::Medium;
    settings.SoundOn = false;
    Game game(settings, lexicon, Game::Services{random, noVocabulary, silence});
    game.NewGame();
    Game::Totals totals{};
    for (int manche = 1; manche <= GameRules::kManchesPerGame; ++manche) {
        for (int seat = 0; seat < GameRules::kPlayers; ++seat)
            game.SetPlayerName(seat, names[seat]);
        const QStringList fields = in.readLine().split(QLatin1Char('\t'));
        if (fields.size() != 1 + GameRules::kPlayers)
            return Fail(QStringLiteral("manche %1: servono le lettere e quattro parole").arg(manche));
        const QString letters = fields[0].toUpper();
        const LanguageTable& italian = TableOf(Language::Italian);
        for (const QChar letter : letters) {
            const bool vowel = italian.VowelPool.contains(letter);
            const QString& pool = vowel ? italian.VowelPool : italian.ConsonantPool;
            random.values.push_back((pool.indexOf(letter) + 0.5) / pool.size());
            vowel ? game.DrawVowel() : game.DrawConsonant();
        }
        if (game.Letters() != letters)
            return Fail(QStringLiteral("manche %1: le lettere %2 non si estraggono").arg(manche).arg(letters));
        game.StartClock();
        // Each computer announces its word: the medium level takes entry Int(r * n) + 1
        // of the finds.
        const QStringList& found = game.FoundWords();
        for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
            if (!IsComputerPlayer(names[seat]) || found.isEmpty())
                continue;
            const qsizetype entry = found.indexOf(fields[1 + seat].toUpper());
            if (entry < 0)
                return Fail(QStringLiteral("manche %1: %2 non è tra le parole trovate").arg(manche).arg(fields[1 + seat]));
            random.values.push_back((entry + 0.5) / found.size());
        }
        for (int seat = 0; seat < GameRules::kPlayers; ++seat) {
            if (!IsComputerPlayer(names[seat]))
                game.EnterWord(seat, fields[1 + seat].toUpper());
        }
        for (int tick = 0; tick < 1000 && game.CurrentPhase() == Game::Phase::Playing; ++tick)
            game.Tick();
        while (game.JudgeManche() == ResultsEvaluation::Status::NeedsConfirmation)
            game.Confirm(3);
        totals = game.TotalScores();
        game.NextManche();
    }
    QTextStream out(stdout);
    out << totals[0] << ' ' << totals[1] << ' ' << totals[2] << ' ' << totals[3] << '\n';
    return 0;
}
