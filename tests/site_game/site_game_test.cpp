// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own code against a letterama-site started by the test on 127.0.0.1: the
// update notice of start-up, the editor's missing-words download, the record link
// and the record site's button of the high-score window.
#include "tests/site_game/site_process.h"

#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fake_spell_checker.h"
#include "model/game_state.h"
#include "scoring/ui/high_score_window.h"
#include "tests/support/main_window_fixture.h"
#include "platform/ui/qt_http_fetcher.h"
#include "tests/support/run_until.h"
#include "platform/core/site_address.h"
#include "tests/support/tiny_lexicon.h"
#include "platform/version.h"
#include "platform/core/program_files.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// The hidden fields of the first form of a page (the one-time token and the
// record's own fields), ready to post back.
QByteArray HiddenFields(const QByteArray& page)
{
    static const QRegularExpression hidden(
        QStringLiteral("<input type=\"hidden\" name=\"([^\"]+)\" value=\"([^\"]*)\""));
    QByteArray form;
    auto matches = hidden.globalMatch(QString::fromUtf8(page));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QString value = match.captured(2);
        value.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        if (!form.isEmpty())
            form += '&';
        form += QUrl::toPercentEncoding(match.captured(1)) + '=' + QUrl::toPercentEncoding(value);
    }
    return form;
}

// The real fetcher, counting the answers it has handed on.
class CountingFetcher : public HttpFetcher {
public:
    explicit CountingFetcher(HttpFetcher& inner) : inner_(inner) {}
    void Fetch(const QString& url, Done done) override
    {
        inner_.Fetch(url, [this, done](std::optional<QByteArray> body) {
            done(std::move(body));
            ++answers;
        });
    }
    int answers = 0;

private:
    HttpFetcher& inner_;
};

// Each test gets a site of its own, with an Italian lexicon of two words in its data
// folder, and the game's settings name it.
class SiteGameTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 1, {QStringLiteral("CASA"), QStringLiteral("CANE")}));
        ASSERT_TRUE(QFile::copy(folder.FilePath(QStringLiteral("SLESSICO.1")),
                                QDir(site.DataFolder()).filePath(QStringLiteral("SLESSICO.1"))));
        QString error;
        ASSERT_TRUE(site.Start(&error)) << error.toStdString();
        address = SiteAddress::FromText(site.Address());
        ASSERT_TRUE(address.IsSet());
    }

    // Reports a word through the site's own form, as a player does.
    void Report(const QString& word, int language = 1)
    {
        const QString page = address.Page("/letterama/segnala");
        const HttpAnswer form = HttpGet(page);
        ASSERT_EQ(form.status, 200);
        const HttpAnswer sent =
            HttpPostForm(page, HiddenFields(form.body) + "&Language=" + QByteArray::number(language) + "&parola=" +
                                   QUrl::toPercentEncoding(word));
        ASSERT_EQ(sent.status, 200) << word.toStdString() << ": " << sent.body.toStdString();
    }

    SiteProcess site{QStringLiteral(LETTERAMA_SITE_PROGRAM)};
    SiteAddress address;
    QtHttpFetcher http;
};

}  // namespace

TEST_F(SiteGameTest, StartUpAsksForTheUpdateNoticeOfTheSiteAndOffersOnlyANewerVersion)
{
    const QString installed = QStringLiteral("%1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision);
    struct Row {
        QString announced;
        bool offered;
    };
    const Row rows[] = {
        {installed, false},
        {QStringLiteral("%1.%2.%3").arg(Version::kMajor).arg(Version::kMinor).arg(Version::kRevision + 1), true},
        {QStringLiteral("9.9.9"), true},
    };
    WriteLexicon(1);
    WriteSettings("Sito=" + site.Address().toLatin1() + "\r\n");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.announced.toStdString());
        QByteArray output;
        ASSERT_EQ(site.Keeper({QStringLiteral("set-version"), row.announced}, &output), 0) << output.toStdString();
        fakes.dialogs.asked.clear();
        fakes.dialogs.answers = {Dialogs::Answer::No};
        // Only the network is real: the question is answered by the script.
        CountingFetcher counting(http);
        const Platform platform{fakes.dialogs, fakes.shell, counting, fakes.wave, fakes.clock, fakes.random, fakes.places};
        window = std::make_unique<MainWindow>(platform, ProgramFiles(folder.Path()), spelling);
        ASSERT_TRUE(window->Startup());
        ASSERT_TRUE(RunUntil([&counting] { return counting.answers == 1; }, 8000)) << "the site never answered";
        if (row.offered) {
            ASSERT_EQ(fakes.dialogs.asked.size(), 1u);
            EXPECT_TRUE(fakes.dialogs.asked[0].text.contains(
                QStringLiteral("nuova versione %1 di Letterama.").arg(row.announced)))
                << fakes.dialogs.asked[0].text.toStdString();
        } else {
            EXPECT_TRUE(fakes.dialogs.asked.empty());
        }
        window.reset();
    }
}

TEST_F(SiteGameTest, TheEditorDownloadsTheReportedWordsAndImportsThoseItLacks)
{
    for (const QString& word : {QStringLiteral("lupo"), QStringLiteral("MARE"), QStringLiteral("LUPO"),
                                QStringLiteral("CASA")})
        Report(word);

    DictionaryEditorWindow editor(DictionaryEditorSetup{Language::Italian, QStringLiteral("SLESSICO.1"), ProgramFiles(folder.Path()), fakes.dialogs, http,
                                   spelling, [] {}, address});
    editor.Open();
    editor.FinishLoad();
    auto* bulk = editor.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"));
    auto* fetch = editor.findChild<QPushButton*>(QStringLiteral("missingWords"));
    QTest::mouseClick(fetch, Qt::LeftButton);
    ASSERT_TRUE(RunUntil([fetch] { return fetch->isEnabled(); }, 8000)) << "the site never answered";
    // Most reported first; a word the site's lexicon holds is not listed.
    QStringList listed;
    for (const QString& line : bulk->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty())
            listed.append(line.trimmed());
    }
    EXPECT_EQ(listed, (QStringList{QStringLiteral("LUPO"), QStringLiteral("MARE")}));
    EXPECT_TRUE(fakes.dialogs.asked.empty()) << fakes.dialogs.LastText().toStdString();

    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("importAll")), Qt::LeftButton);
    EXPECT_EQ(editor.Lists().List(4 - 3).Words(),
              (QStringList{QStringLiteral("CANE"), QStringLiteral("CASA"), QStringLiteral("LUPO"), QStringLiteral("MARE")}));
}

// Each lexicon's editor gets the words reported for its own language.
TEST_F(SiteGameTest, TheEnglishEditorDownloadsTheWordsReportedForEnglish)
{
    Report(QStringLiteral("LUPO"));
    Report(QStringLiteral("XQZJV"), 2);  // in no lexicon
    ASSERT_TRUE(WriteTinyLexicon(folder.Path(), 2, {QStringLiteral("CASA")}));
    DictionaryEditorWindow editor(DictionaryEditorSetup{Language::English, QStringLiteral("SLESSICO.2"), ProgramFiles(folder.Path()), fakes.dialogs, http,
                                   spelling, [] {}, address});
    editor.Open();
    editor.FinishLoad();
    auto* bulk = editor.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"));
    auto* fetch = editor.findChild<QPushButton*>(QStringLiteral("missingWords"));
    ASSERT_TRUE(fetch->isEnabled());
    QTest::mouseClick(fetch, Qt::LeftButton);
    ASSERT_TRUE(RunUntil([fetch] { return fetch->isEnabled(); }, 8000)) << "the site never answered";
    EXPECT_EQ(bulk->toPlainText().trimmed(), QStringLiteral("XQZJV")) << fakes.dialogs.LastText().toStdString();
}

TEST_F(SiteGameTest, TheRecordLinkOpensAPageThatStoresTheRecordOnceConfirmed)
{
    struct Row {
        const char* label;
        QString name;
        QString note;
        QString shownName;  // as the page writes it
    };
    const Row rows[] = {
        {"plain", QStringLiteral("ANNA"), QStringLiteral("Sono il migliore"), QStringLiteral("ANNA")},
        {"characters of a web address and of a page", QStringLiteral("UGO & <B>"), QStringLiteral("100% bravo!"),
         QStringLiteral("UGO &amp; &lt;B&gt;")},
    };
    int points = 4000;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        GameState state;
        state.Players[0].Name = row.name;
        state.TotalScores = {++points, 0, 0, 0};
        state.MancheNumber = 6;
        state.GameOver = true;
        state.Settings.Site = site.Address();
        fakes.shell.opened.clear();
        const ProgramFiles files(folder.Path());
        HighScoreWindow window(state, HighScoreMode::AfterGame, fakes.platform(), files);
        window.SetUp();
        window.show();
        auto* note = window.findChild<QLineEdit*>(QStringLiteral("noteBox"));
        note->setText(row.note);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("submitRecordLink")), Qt::LeftButton);
        ASSERT_EQ(fakes.shell.opened.size(), 1);
        const QString opened = fakes.shell.opened.front();
        ASSERT_TRUE(opened.startsWith(site.Address() + QStringLiteral("/letterama.asp?"))) << opened.toStdString();

        // What the browser shows: the record to confirm, nothing stored yet.
        const HttpAnswer shown = HttpGet(opened);
        ASSERT_EQ(shown.status, 200) << shown.body.toStdString();
        EXPECT_TRUE(shown.body.contains(row.shownName.toUtf8()));
        EXPECT_FALSE(HttpGet(address.Page(SiteAddress::kRecordStartPath)).body.contains(row.shownName.toUtf8()));

        const HttpAnswer confirmed = HttpPostForm(address.Page(SiteAddress::kRecordPath), HiddenFields(shown.body));
        ASSERT_EQ(confirmed.status, 303) << confirmed.body.toStdString();
        const HttpAnswer table = HttpGet(address.Base() + QString::fromUtf8(confirmed.headers.at("location")));
        ASSERT_EQ(table.status, 200);
        EXPECT_TRUE(table.body.contains(row.shownName.toUtf8()));
        EXPECT_TRUE(table.body.contains(QByteArray::number(points).insert(1, '.')) ||
                    table.body.contains(QByteArray::number(points)));

        // The record site's button leads to the same table.
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("recordSiteButton")), Qt::LeftButton);
        ASSERT_EQ(fakes.shell.opened.size(), 2);
        const HttpAnswer start = HttpGet(fakes.shell.opened.back());
        ASSERT_EQ(start.status, 200);
        EXPECT_TRUE(start.body.contains(row.shownName.toUtf8()));
    }
}
