// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/bulk_text.h"
#include "dictionary_editor/core/editor_messages.h"

#include <gtest/gtest.h>

namespace {

TEST(BulkText, LinesEndAtCrLfCrOrLfAndTheLastNeedsNoEnd)
{
    struct Row {
        QString text;
        QStringList lines;
    };
    const Row rows[] = {
        {"lupo\r\nLUPO\r\nre", {"lupo", "LUPO", "re"}},
        {"casa", {"casa"}},  // no line end: the whole text is one word
        {"casa\r\n", {"casa"}},
        {"uno\ndue\rtre", {"uno", "due", "tre"}},
        {"uno\r\n\r\ndue", {"uno", "", "due"}},
        {"", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BulkText::Lines(row.text), row.lines) << row.text.toStdString();
}

TEST(BulkText, LineAtFindsTheLineHoldingTheCaret)
{
    struct Row {
        QString text;
        qsizetype caret;
        QString line;
    };
    const Row rows[] = {
        {"uno\ndue\ntre", 0, "uno"}, {"uno\ndue\ntre", 3, "uno"}, {"uno\ndue\ntre", 4, "due"},
        {"uno\ndue\ntre", 11, "tre"}, {"uno\n", 4, ""},          {"uno\r\ndue", 6, "due"},
        {"solo", 2, "solo"},          {"", 0, ""},               {"uno", 99, "uno"},
    };
    for (const Row& row : rows) {
        const BulkText::Span span = BulkText::LineAt(row.text, row.caret);
        EXPECT_EQ(row.text.mid(span.start, span.length), row.line) << row.text.toStdString() << " @" << row.caret;
    }
}

TEST(BulkText, AMissingWordsReplyIsTakenWholeUnlessItIsNoText)
{
    struct Row {
        QByteArray reply;
        std::optional<QString> text;
    };
    const Row rows[] = {
        {"CASA\r\nLUPO\r\n", QString("CASA\r\nLUPO\r\n")},
        {"CASA\r\nLUPO", QString("CASA\r\nLUPO")},  // the last letter is kept
        {"A", QString("A")},
        {"", QString("")},
        {"PERCH\xC8\r\n", QString::fromUtf8("PERCHÈ\r\n")},  // single-byte code page
        {"PERCH\xC3\x88", QString::fromUtf8("PERCHÈ")},      // UTF-8
        {QByteArray("CA\0SA", 5), std::nullopt},
        {QByteArray(BulkText::kMaxMissingWordsBytes + 1, 'A'), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BulkText::MissingWordsText(row.reply), row.text) << row.reply.left(20).toStdString();
}

TEST(EditorMessages, TheSummaryCountsEachOutcomeAndPointsToTheRebuildOnlyAfterAnInsert)
{
    BatchCounters counters;
    counters.inserted = 1;
    counters.present = 1;
    counters.tooShortLong = 1;
    EXPECT_EQ(EditorMessages::BulkSummary(counters),
              QStringLiteral("Importazione delle parole terminata.\r\n"
                             "Esaminate N. 3 parole\r\n"
                             "Sono state importate 1 parole nuove\r\n"
                             "Sono state scartate  1 parole perchè già presenti nel dizionario\r\n"
                             "Sono state scartate  1 parole perchè o troppo corte o troppo lunghe (da 3 a 10 caratteri)\r\n"
                             "Sono state scartate  0 parole perchè contenevano caratteri non validi\r\n"
                             "Cliccare ora sul bottone <Ricrea dizionario> per ricostruire l'intero dizionario"));
    counters.inserted = 0;
    counters.invalid = 2;
    const QString none = EditorMessages::BulkSummary(counters);
    EXPECT_TRUE(none.contains("Esaminate N. 4 parole"));
    EXPECT_TRUE(none.endsWith("Sono state scartate  2 parole perchè contenevano caratteri non validi"));
}

TEST(EditorMessages, CountsAndTotalsReadAsTheLabelsShowThem)
{
    struct Row {
        std::int64_t total;
        QString shown;
    };
    const Row rows[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {449204, "449,204"}, {1234567, "1,234,567"}};
    for (const Row& row : rows)
        EXPECT_EQ(EditorMessages::Total(row.total), row.shown);
    EXPECT_EQ(EditorMessages::CountLabel(12, false), "(12) parole");
    EXPECT_EQ(EditorMessages::CountLabel(13, true), "(13) Parole");
}

}  // namespace
