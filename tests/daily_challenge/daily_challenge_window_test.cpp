// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/daily_challenge_window.h"
#include "game/ui/main_menu.h"
#include "lexicon/core/word_search.h"
#include "platform/ui/qt_http_fetcher.h"
#include "site/core/site_lexicons.h"
#include "tests/site/running_site.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/run_until.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <httplib.h>

namespace {

std::shared_ptr<const SiteLexicons> Shipped()
{
    static const std::shared_ptr<const SiteLexicons> lexicons =
        SiteLexicons::Load({QStringLiteral(LETTERAMA_SHIPPED_LEXICONS)});
    return lexicons;
}

DailyChallengeWindow* OpenChallenge()
{
    return qobject_cast<DailyChallengeWindow*>(QApplication::activeModalWidget());
}

class DailyChallengeMenuTest : public MainWindowTest {
protected:
    // The game with the real HTTP service and every other service faked.
    void StartWithRealNetwork(const QByteArray& settings)
    {
        WriteLexicon(1);
        WriteSettings("Suono=No\r\n" + settings);
        Platform platform{fakes.dialogs, fakes.shell, http_, fakes.wave, fakes.clock, fakes.random, fakes.places};
        window = std::make_unique<MainWindow>(platform, ProgramFiles(folder.Path()), spelling);
        ASSERT_TRUE(window->Startup());
        window->show();
    }

    QtHttpFetcher http_;
};

TEST_F(DailyChallengeMenuTest, WithNoSiteTheItemSaysSoAndOpensNothing)
{
    StartWithRealNetwork("Tempo=60\r\n");
    Choose(Window().Menu()->Action(MainMenu::Command::DailyChallenge));
    EXPECT_EQ(fakes.dialogs.Texts(), QStringList{SiteAddress::NotSetUpMessage()});
    EXPECT_EQ(OpenChallenge(), nullptr);
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
}

TEST_F(DailyChallengeMenuTest, TheMenuPlaysTheSitesBoardAndOpensTheResultAddress)
{
    QTemporaryDir data;
    SiteConfig config;
    config.database.path = data.filePath(QStringLiteral("site.sqlite"));
    config.lexicons = Shipped();
    RunningSite site(std::move(config), ServerLimits());
    ASSERT_GT(site.Port(), 0);
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(site.Port());
    httplib::Client client("127.0.0.1", site.Port());
    const httplib::Result board = client.Get("/letterama/sfida/oggi.txt?lingua=1");
    ASSERT_TRUE(board && board->status == 200);
    const QString letters = QString::fromStdString(board->body).split(QStringLiteral("\r\n")).value(3);

    StartWithRealNetwork("Sito=" + base.toLatin1() + "\r\n");
    Choose(Window().Menu()->Action(MainMenu::Command::DailyChallenge));
    ASSERT_TRUE(RunUntil([] { return OpenChallenge() && OpenChallenge()->WordBox()->isEnabled(); }));
    DailyChallengeWindow* challenge = OpenChallenge();
    EXPECT_EQ(challenge->LettersLabel()->text().remove(QLatin1Char(' ')), letters);
    // The main game's clock waits while the challenge is open, as for any modal window.
    EXPECT_TRUE(fakes.dialogs.ModalOpen());

    const QStringList found = WordSearch::FindAll(*Shipped()->SourceOf(Language::Italian).Words, letters, 10);
    ASSERT_FALSE(found.isEmpty());
    const QString word = found.last();
    fakes.clock.Advance(17.6);
    QTest::keyClicks(challenge->WordBox(), word.toLower());
    QTest::keyClick(challenge->WordBox(), Qt::Key_Return);
    const QString result =
        base + QStringLiteral("/letterama/sfida/gioco?lingua=1&parola=%1&secondi=17").arg(word);
    EXPECT_EQ(fakes.shell.opened, QStringList{result});
    ASSERT_TRUE(RunUntil([] { return OpenChallenge() == nullptr; }));

    // The site takes the address the game opened: it judges the word and offers to store it.
    const httplib::Result page = client.Get(result.mid(base.size()).toStdString());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find(word.toStdString()), std::string::npos);
}

TEST_F(DailyChallengeMenuTest, AtTheSixtiethSecondTheWordGoesAsItStands)
{
    QTemporaryDir data;
    SiteConfig config;
    config.database.path = data.filePath(QStringLiteral("site.sqlite"));
    config.lexicons = Shipped();
    RunningSite site(std::move(config), ServerLimits());
    ASSERT_GT(site.Port(), 0);
    // The site's database is laid out by a first request before the game asks two at once.
    ASSERT_TRUE(httplib::Client("127.0.0.1", site.Port()).Get("/letterama/sfida/oggi.txt?lingua=1"));
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(site.Port());
    StartWithRealNetwork("Sito=" + base.toLatin1() + "\r\n");
    Choose(Window().Menu()->Action(MainMenu::Command::DailyChallenge));
    ASSERT_TRUE(RunUntil([] { return OpenChallenge() && OpenChallenge()->WordBox()->isEnabled(); }));
    QTest::keyClicks(OpenChallenge()->WordBox(), QStringLiteral("ab"));
    fakes.clock.Advance(59.5);
    OpenChallenge()->Tick();
    EXPECT_TRUE(fakes.shell.opened.isEmpty());
    fakes.clock.Advance(0.5);
    OpenChallenge()->Tick();
    EXPECT_EQ(fakes.shell.opened,
              QStringList{base + QStringLiteral("/letterama/sfida/gioco?lingua=1&parola=AB&secondi=60")});
}

}  // namespace
