// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_platform.h"
#include "model/game_state.h"
#include "scoring/ui/high_score_window.h"
#include "tests/support/run_until.h"
#include "platform/core/site_address.h"
#include "tests/support/temp_program_folder.h"
#include "tests/support/when_modal_opens.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

class HighScoreWindowTest : public ::testing::Test {
protected:
    HighScoreWindowTest()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        state.Players[0].Name = QStringLiteral("ANONIMO");
        state.MancheNumber = 6;
        state.GameOver = true;
        state.Settings.LexiconLanguage = static_cast<Language>(2);
        state.Settings.Site = QStringLiteral("https://club.example");
    }
    ~HighScoreWindowTest() override { QLocale::setDefault(QLocale::system()); }

    // Waits until the window the game opened has closed (it then deletes itself); the
    // record holder it named.
    static QString WaitUntilClosed(HighScoreWindow* window)
    {
        const QPointer<HighScoreWindow> open(window);
        QString holder;
        QObject::connect(window, &QDialog::finished, [&holder, window] { holder = window->RecordHolderName(); });
        EXPECT_TRUE(RunUntil([&open] { return !open || !open->isVisible(); }, 5000));
        return holder;
    }

    // The grid as rows of its three cells.
    static std::vector<QStringList> Grid(const QWidget& window)
    {
        const auto* grid = window.findChild<QTableWidget*>(QStringLiteral("scoreGrid"));
        std::vector<QStringList> rows;
        for (int row = 0; row < grid->rowCount(); ++row)
            rows.push_back({grid->item(row, 0)->text(), grid->item(row, 1)->text(), grid->item(row, 2)->text()});
        return rows;
    }
    template <typename T>
    static T* Find(const QWidget& window, const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    static bool SubmissionEnabled(const QWidget& window)
    {
        const bool link = Find<QPushButton>(window, "submitRecordLink")->isEnabled();
        EXPECT_EQ(Find<QLineEdit>(window, "noteBox")->isEnabled(), link);
        EXPECT_EQ(Find<QLineEdit>(window, "emailBox")->isEnabled(), link);
        return link;
    }

    TempProgramFolder folder;
    ProgramFiles files{folder.Path()};
    FakePlatform fake;
    GameState state;
};

TEST_F(HighScoreWindowTest, NewRecordOpensTheSubmissionWithTheHoldersRecord)
{
    folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno, 3000\r\n");
    state.Players[1].Name = QStringLiteral("Ugo");  // a second human at the keyboard
    state.TotalScores = {2000, 3100, 0, 0};
    HighScoreWindow window(state, HighScoreMode::AfterGame, fake.platform(), files);
    window.SetUp();
    window.show();

    EXPECT_EQ(Find<QLabel>(window, "bestPlayerLabel")->text(), QStringLiteral("Ugo"));
    ASSERT_TRUE(SubmissionEnabled(window));
    EXPECT_EQ(window.RecordHolderName(), QStringLiteral("Ugo"));
    EXPECT_EQ(Find<QLineEdit>(window, "noteBox")->text(), QStringLiteral("Sono il migliore"));

    QTest::keyClicks(Find<QLineEdit>(window, "noteBox"), QStringLiteral(" e&basta"));
    QTest::keyClicks(Find<QLineEdit>(window, "emailBox"), QStringLiteral("ugo@esempio.it"));
    QTest::mouseClick(Find<QPushButton>(window, "submitRecordLink"), Qt::LeftButton);

    ASSERT_EQ(fake.shell.opened.size(), 1);
    const QUrl address(fake.shell.opened.front());
    EXPECT_EQ(address.toString(QUrl::RemoveQuery), QStringLiteral("https://club.example/letterama.asp"));
    const QUrlQuery query(address);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Nome")), QStringLiteral("Ugo"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("punti")), QStringLiteral("3100"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Manches")), QStringLiteral("5"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Note")), QStringLiteral("Sono_il_migliore_e_basta"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("E_MAIL"), QUrl::FullyDecoded), QStringLiteral("ugo@esempio.it"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("data")), QStringLiteral("08-12-2026"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("ora")), QStringLiteral("15:00"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("Language")), QStringLiteral("2"));
}

TEST_F(HighScoreWindowTest, TieWithTheTopLeavesTheSubmissionClosed)
{
    folder.Write(QStringLiteral("Lettrama.HIS"), "Bruno, 3000\r\n");
    state.TotalScores = {3000, 0, 0, 0};
    HighScoreWindow window(state, HighScoreMode::AfterGame, fake.platform(), files);
    window.SetUp();
    window.show();

    EXPECT_EQ(Grid(window).at(1).at(1), QStringLiteral("ANONIMO"));
    EXPECT_FALSE(SubmissionEnabled(window));
    QTest::mouseClick(Find<QPushButton>(window, "submitRecordLink"), Qt::LeftButton);
    EXPECT_TRUE(fake.shell.opened.isEmpty());

    QTest::mouseClick(Find<QPushButton>(window, "recordSiteButton"), Qt::LeftButton);
    EXPECT_EQ(fake.shell.opened, QStringList{QStringLiteral("https://club.example/letterama/")});
}

TEST_F(HighScoreWindowTest, WithNoSiteTheRecordLinkAndTheSiteButtonSaySoAndOpenNothing)
{
    if (SiteAddress::BuiltIn().IsSet())
        GTEST_SKIP() << "this build names a site of its own";
    state.Settings.Site.clear();
    state.TotalScores = {4000, 0, 0, 0};
    HighScoreWindow window(state, HighScoreMode::AfterGame, fake.platform(), files);
    window.SetUp();
    window.show();
    ASSERT_TRUE(SubmissionEnabled(window));
    fake.dialogs.asked.clear();

    QTest::mouseClick(Find<QPushButton>(window, "submitRecordLink"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(window, "recordSiteButton"), Qt::LeftButton);
    EXPECT_TRUE(fake.shell.opened.isEmpty());
    EXPECT_EQ(fake.dialogs.Texts(), QStringList(2, SiteAddress::NotSetUpMessage()));
}

TEST_F(HighScoreWindowTest, MenuWithoutAFileShowsAnEmptyGridAndCreatesNoFile)
{
    state.TotalScores = {4000, 0, 0, 0};
    int rows = -1;
    QString title;
    WhenModalOpens([&](QWidget* modal) {
        rows = static_cast<int>(Grid(*modal).size());
        title = modal->windowTitle();
        EXPECT_FALSE(SubmissionEnabled(*modal));
        QTest::mouseClick(Find<QPushButton>(*modal, "backButton"), Qt::LeftButton);
    });
    // The fixture's game is over: from the menu the table is still only shown.
    WaitUntilClosed(HighScoreWindow::OpenFromMenu(state, fake.platform(), files));

    EXPECT_EQ(rows, 0);
    EXPECT_EQ(title, QStringLiteral("Hiscores Table"));
    EXPECT_TRUE(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(HighScoreWindowTest, MenuTellsAFileItCannotReadAndLeavesItAlone)
{
    // A folder where the table should be: there, but not a file the game can read.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("Lettrama.HIS")));
    WhenModalOpens([](QWidget* modal) { modal->close(); });
    WaitUntilClosed(HighScoreWindow::OpenFromMenu(state, fake.platform(), files));
    ASSERT_EQ(fake.dialogs.asked.size(), 1u);
    EXPECT_TRUE(fake.dialogs.LastText().contains(QStringLiteral("Lettrama.HIS")));
    EXPECT_TRUE(QFileInfo(folder.FilePath(QStringLiteral("Lettrama.HIS"))).isDir());
}

TEST_F(HighScoreWindowTest, AfterGameTheTableIsMergedRewrittenAndShown)
{
    folder.Write(QStringLiteral("lettrama.his"), "Bruno, 3000\r\nAda, 2000\r\n");
    state.GameOver = false;
    state.TotalScores = {2500, 9000, 0, 0};
    std::vector<QStringList> grid;
    QString best;
    bool submission = true;
    WhenModalOpens([&](QWidget* modal) {
        grid = Grid(*modal);
        best = Find<QLabel>(*modal, "bestPlayerLabel")->text();
        submission = SubmissionEnabled(*modal);
        QTest::keyClick(modal, Qt::Key_Return);  // "Torna al gioco" is the default button
    });
    // Merged after the game whatever the state says of it.
    const QString holder = WaitUntilClosed(HighScoreWindow::OpenAfterGame(state, fake.platform(), files));

    EXPECT_EQ(grid, (std::vector<QStringList>{
                        {QStringLiteral("  01"), QStringLiteral("Bruno"), QStringLiteral(" 03,000")},
                        {QStringLiteral("  02"), QStringLiteral("ANONIMO"), QStringLiteral(" 02,500")},
                        {QStringLiteral("  03"), QStringLiteral("Ada"), QStringLiteral(" 02,000")}}));
    EXPECT_EQ(best, QStringLiteral("Bruno"));
    EXPECT_FALSE(submission);
    EXPECT_TRUE(holder.isEmpty());
    EXPECT_EQ(folder.Read(QStringLiteral("lettrama.his")), QByteArray("Bruno, 3000\r\nANONIMO, 2500\r\nAda, 2000\r\n"));
    EXPECT_TRUE(fake.dialogs.asked.empty());
}

TEST_F(HighScoreWindowTest, FailedRewriteIsReportedAndTheTableStillShown)
{
    // A folder in the file's place: no user, not even root, can write the table there.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("Lettrama.HIS")));
    state.TotalScores = {100, 0, 0, 0};
    HighScoreWindow window(state, HighScoreMode::AfterGame, fake.platform(), files);
    window.SetUp();

    ASSERT_EQ(fake.dialogs.asked.size(), 1u);
    EXPECT_EQ(fake.dialogs.asked.front().kind, QStringLiteral("inform"));
    EXPECT_TRUE(fake.dialogs.LastText().contains(QStringLiteral("Lettrama.HIS")));
    EXPECT_EQ(Grid(window), (std::vector<QStringList>{{QStringLiteral("  01"), QStringLiteral("ANONIMO"),
                                                       QStringLiteral(" 00,100")}}));
    EXPECT_TRUE(QFileInfo(folder.FilePath(QStringLiteral("Lettrama.HIS"))).isDir());
}

TEST_F(HighScoreWindowTest, EveryControlIsNamedAndReachableByKeyboard)
{
    state.TotalScores = {100, 0, 0, 0};  // a record: every control enabled
    HighScoreWindow window(state, HighScoreMode::AfterGame, fake.platform(), files);
    window.SetUp();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    EXPECT_EQ(window.findChild<QGroupBox*>()->title(), QStringLiteral("Migliori Punteggi"));
    const auto* grid = Find<QTableWidget>(window, "scoreGrid");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("   N."));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Nome"));
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Punti"));

    const std::vector<std::pair<const char*, QString>> chain = {
        {"scoreGrid", QStringLiteral("Migliori Punteggi")},
        {"noteBox", QStringLiteral("Note sul punteggio:")},
        {"emailBox", QStringLiteral("Mia E-Mail:")},
        {"submitRecordLink", QStringLiteral("Registra record in Internet")},
        {"recordSiteButton", QString()},
        {"backButton", QStringLiteral("Torna al gioco")},
    };
    Find<QWidget>(window, chain.front().first)->setFocus();
    for (const auto& [name, accessibleName] : chain) {
        const QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QString::fromLatin1(name));
        EXPECT_FALSE(focused->accessibleName().isEmpty()) << name;
        // The grid's name goes on with the best player's.
        if (!accessibleName.isEmpty()) {
            EXPECT_TRUE(focused->accessibleName().startsWith(accessibleName)) << focused->accessibleName().toStdString();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(Find<QPushButton>(window, "backButton")->isDefault());
}

}  // namespace
