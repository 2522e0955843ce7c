// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/record_submission.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The fields of a record as the game sends them, with one key changed or removed.
struct SubmissionCase {
    const char* what;
    const char* key;
    const char* value;  // nullptr: the key is left out
    const char* refusedField;  // "" when the record is accepted
};

std::map<std::string, QByteArray> GameFields()
{
    return {{"Nome", "BRUNO"},        {"programma", "Letterama_QXZ"}, {"data", "09-12-2026"},
            {"punti", "5400"},        {"Manches", "5"},              {"Note", "Sono_il_migliore"},
            {"E_MAIL", "bruno@example.org"}, {"ora", "21:07"},       {"Language", "1"}};
}

std::variant<RecordSubmission, FieldError> Check(const std::map<std::string, QByteArray>& fields)
{
    // The site's clock reads 10-12-2026.
    return CheckSubmission(
        [&fields](const char* key) -> std::optional<QByteArray> {
            const auto found = fields.find(key);
            if (found == fields.end())
                return std::nullopt;
            return found->second;
        },
        QDate(2026, 12, 10));
}

class SubmissionFields : public ::testing::TestWithParam<SubmissionCase> {};

TEST_P(SubmissionFields, EachFieldIsCheckedAndABadOneIsNamed)
{
    const SubmissionCase& row = GetParam();
    std::map<std::string, QByteArray> fields = GameFields();
    if (row.value)
        fields[row.key] = QByteArray(row.value);
    else
        fields.erase(row.key);
    const auto checked = Check(fields);
    if (row.refusedField[0] == '\0') {
        ASSERT_TRUE(std::holds_alternative<RecordSubmission>(checked))
            << row.what << ": " << std::get<FieldError>(checked).message.toStdString();
    } else {
        ASSERT_TRUE(std::holds_alternative<FieldError>(checked)) << row.what;
        const FieldError& error = std::get<FieldError>(checked);
        EXPECT_EQ(error.field.toStdString(), row.refusedField) << row.what;
        EXPECT_TRUE(error.message.contains(QString::fromLatin1(row.refusedField))) << row.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SubmissionFields,
    ::testing::Values(
        SubmissionCase{"the game's record as sent", "Nome", "BRUNO", ""},
        SubmissionCase{"points at the top of the range", "punti", "32767", ""},
        SubmissionCase{"no points at all", "punti", "0", ""},
        SubmissionCase{"points beyond a 16-bit total", "punti", "32768", "punti"},
        SubmissionCase{"negative points", "punti", "-5", "punti"},
        SubmissionCase{"points with a blank", "punti", " 5400", "punti"},
        SubmissionCase{"points as a word", "punti", "tanti", "punti"},
        SubmissionCase{"points missing", "punti", nullptr, "punti"},
        SubmissionCase{"language 3", "Language", "3", ""},
        SubmissionCase{"language 0", "Language", "0", "Language"},
        SubmissionCase{"language 4", "Language", "4", "Language"},
        SubmissionCase{"manche 0", "Manches", "0", "Manches"},
        SubmissionCase{"manche 6", "Manches", "6", "Manches"},
        SubmissionCase{"empty name", "Nome", "", "Nome"},
        SubmissionCase{"blank name", "Nome", "   ", "Nome"},
        SubmissionCase{"name of 40 characters", "Nome", "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ", ""},
        SubmissionCase{"name of 41 characters", "Nome", "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJK", "Nome"},
        SubmissionCase{"40 accented letters are 40 characters", "Nome",
                       "\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80"
                       "\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80"
                       "\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80"
                       "\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80\xc3\x80",
                       ""},
        SubmissionCase{"40 accented letters typed decomposed are 40 characters", "Nome",
                       "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80"
                       "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80"
                       "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80"
                       "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80"
                       "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80" "E\xcc\x80",
                       ""},
        SubmissionCase{"name with an invisible zero-width space", "Nome", "BRU\xe2\x80\x8bNO", "Nome"},
        SubmissionCase{"name with a right-to-left override", "Nome", "\xe2\x80\xae" "ONURB", "Nome"},
        SubmissionCase{"name with a byte-order mark inside", "Nome", "BRU\xef\xbb\xbf" "NO", "Nome"},
        SubmissionCase{"note with a bidi isolate", "Note", "Sono\xe2\x81\xa6_il_migliore", "Note"},
        SubmissionCase{"name with a line break", "Nome", "BRU\nNO", "Nome"},
        SubmissionCase{"name with a tab", "Nome", "BRU\tNO", "Nome"},
        SubmissionCase{"name with a C1 control", "Nome", "BRU\xc2\x85NO", "Nome"},
        SubmissionCase{"name as markup is text, not a fault", "Nome", "<script>alert(1)</script>", ""},
        SubmissionCase{"empty note", "Note", "", ""},
        SubmissionCase{"note left out", "Note", nullptr, ""},
        SubmissionCase{"e-mail left empty", "E_MAIL", "", ""},
        SubmissionCase{"e-mail without @", "E_MAIL", "bruno.example.org", "E_MAIL"},
        SubmissionCase{"e-mail without a domain dot", "E_MAIL", "bruno@example", "E_MAIL"},
        SubmissionCase{"e-mail with markup", "E_MAIL", "<b>@example.org", "E_MAIL"},
        SubmissionCase{"date as the game writes it", "data", "29-02-2024", ""},
        SubmissionCase{"a day that does not exist", "data", "30-02-2026", "data"},
        SubmissionCase{"date month first", "data", "12-31-2026", "data"},
        SubmissionCase{"date with slashes", "data", "09/12/2026", "data"},
        SubmissionCase{"date missing", "data", nullptr, "data"},
        SubmissionCase{"tomorrow, as in a time zone ahead", "data", "11-12-2026", ""},
        SubmissionCase{"a date after tomorrow", "data", "12-12-2026", "data"},
        SubmissionCase{"a date far ahead", "data", "31-12-2099", "data"},
        SubmissionCase{"time of day", "ora", "23:59", ""},
        SubmissionCase{"hour 24", "ora", "24:00", "ora"},
        SubmissionCase{"time with seconds", "ora", "21:07:33", "ora"},
        SubmissionCase{"program tag of another form", "programma", "Letterama_abc", "programma"},
        SubmissionCase{"program tag missing", "programma", nullptr, "programma"}));

TEST(SubmissionFields, ANoteOfMoreThan100CharactersIsRefused)
{
    std::map<std::string, QByteArray> fields = GameFields();
    fields["Note"] = QByteArray(100, 'x');
    EXPECT_TRUE(std::holds_alternative<RecordSubmission>(Check(fields)));
    fields["Note"] = QByteArray(101, 'x');
    const auto checked = Check(fields);
    ASSERT_TRUE(std::holds_alternative<FieldError>(checked));
    EXPECT_EQ(std::get<FieldError>(checked).field, QStringLiteral("Note"));
}

TEST(SubmissionFields, TheAcceptedRecordHoldsTheValuesSent)
{
    const auto checked = Check(GameFields());
    ASSERT_TRUE(std::holds_alternative<RecordSubmission>(checked));
    const RecordSubmission& record = std::get<RecordSubmission>(checked);
    EXPECT_EQ(record.name, QStringLiteral("BRUNO"));
    EXPECT_EQ(record.points, 5400);
    EXPECT_EQ(record.manches, 5);
    EXPECT_EQ(record.playedOn, QDate(2026, 12, 9));
    EXPECT_EQ(record.playedAt, QTime(21, 7));
    EXPECT_EQ(record.language, Language::Italian);
    EXPECT_EQ(NoteForDisplay(record.note), QStringLiteral("Sono il migliore"));
}

struct DecodingCase {
    const char* what;
    QByteArray bytes;
    QString text;
};

TEST(SubmissionFields, TextIsUtf8AndOlderClientsWindowsCodePage)
{
    const DecodingCase rows[] = {
        {"UTF-8 as the game sends it", QByteArray("NICCOL\xc3\x92"), QStringLiteral("NICCOLÒ")},
        {"a Windows code page byte", QByteArray("NICCOL\xd2"), QStringLiteral("NICCOLÒ")},
        {"the euro sign of the Windows code page", QByteArray("\x80"), QStringLiteral("€")},
        {"a letter and its accent typed apart are one letter", QByteArray("NICCOLO\xcc\x80"), QStringLiteral("NICCOLÒ")},
    };
    for (const DecodingCase& row : rows)
        EXPECT_EQ(DecodedFieldText(row.bytes), row.text) << row.what;
}

}  // namespace
