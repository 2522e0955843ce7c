// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ui/site_command_line.h"
#include "site/core/site_storage.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class KeeperCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        address_.path = QDir(folder_.path()).filePath(QStringLiteral("letterama-site.sqlite"));
        QString error;
        auto storage = SiteStorage::Open(address_, &error);
        ASSERT_TRUE(storage) << error.toStdString();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        RecordSubmission record;
        record.program = QStringLiteral("Letterama_ABC");
        record.playedOn = QDate(2026, 12, 9);
        record.playedAt = QTime(21, 7);
        record.manches = 5;
        record.email = QStringLiteral("anna@example.org");
        record.name = QStringLiteral("ANNA");
        record.points = 900;
        storage->SubmitRecord(record, "t1", QStringLiteral("a"), now, 10);
        record.name = QStringLiteral("LUCA");
        record.points = 300;
        record.language = Language::English;
        storage->SubmitRecord(record, "t2", QStringLiteral("a"), now, 10);
        storage->SubmitReport(Language::Italian, "ZEBRA", "t3", QStringLiteral("a"), now, 10);
    }

    // Runs a command on the test's data folder; returns its exit status.
    int Run(QStringList arguments)
    {
        out_.clear();
        err_.clear();
        arguments << QStringLiteral("--data") << folder_.path();
        QTextStream out(&out_);
        QTextStream err(&err_);
        return RunSiteCommand(arguments, out, err);
    }

    QTemporaryDir folder_;
    DatabaseAddress address_;
    QString out_;
    QString err_;
};

TEST_F(KeeperCommandsTest, TheKeeperListsAndDeletesRecordsAndWordsAndSetsTheVersion)
{
    struct Row {
        QStringList arguments;
        int status;
        const char* outContains;  // "" for nothing to look for
        const char* outLacks;
    };
    const Row rows[] = {
        {{QStringLiteral("records")}, 0, "anna@example.org", ""},
        {{QStringLiteral("records"), QStringLiteral("--language"), QStringLiteral("2")}, 0, "LUCA", "ANNA"},
        {{QStringLiteral("words")}, 0, "ZEBRA", ""},
        {{QStringLiteral("delete-word"), QStringLiteral("zebra"), QStringLiteral("--language"), QStringLiteral("1")}, 0,
         "ZEBRA", ""},
        {{QStringLiteral("words")}, 0, "", "ZEBRA"},
        {{QStringLiteral("delete-word"), QStringLiteral("zebra"), QStringLiteral("--language"), QStringLiteral("1")}, 1,
         "", ""},
        {{QStringLiteral("delete-record"), QStringLiteral("1")}, 0, "1", ""},
        {{QStringLiteral("records")}, 0, "LUCA", "ANNA"},
        {{QStringLiteral("delete-record"), QStringLiteral("1")}, 1, "", ""},
        {{QStringLiteral("delete-record"), QStringLiteral("uno")}, 2, "", ""},
        {{QStringLiteral("show-version")}, 0, "nessuna", ""},
        {{QStringLiteral("set-version"), QStringLiteral("1.0.3")}, 0, "103", ""},
        {{QStringLiteral("show-version")}, 0, "103", ""},
        {{QStringLiteral("set-version"), QStringLiteral("1.12.3")}, 2, "", ""},
        {{QStringLiteral("show-version")}, 0, "103", ""},
        {{QStringLiteral("serve")}, 2, "", ""},
        {{QStringLiteral("fly")}, 2, "", ""},
        {{QStringLiteral("records"), QStringLiteral("--colour")}, 2, "", ""},
    };
    for (const Row& row : rows) {
        const QString command = row.arguments.join(QLatin1Char(' '));
        EXPECT_EQ(Run(row.arguments), row.status) << command.toStdString() << ": " << err_.toStdString();
        if (row.outContains[0]) {
            EXPECT_TRUE(out_.contains(QString::fromLatin1(row.outContains))) << command.toStdString() << out_.toStdString();
        }
        if (row.outLacks[0]) {
            EXPECT_FALSE(out_.contains(QString::fromLatin1(row.outLacks))) << command.toStdString() << out_.toStdString();
        }
    }
}

TEST_F(KeeperCommandsTest, HelpNamesEveryCommand)
{
    EXPECT_EQ(Run({QStringLiteral("--help")}), 0);
    for (const char* command :
         {"serve", "records", "delete-record", "words", "delete-word", "set-version", "show-version", "--database"})
        EXPECT_TRUE(out_.contains(QString::fromLatin1(command))) << command;
}

}  // namespace
