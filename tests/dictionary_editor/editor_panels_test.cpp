// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's panels on their own, without the window: what each one asks for and
// in which terms.
#include "dictionary_editor/ui/bulk_import_panel.h"
#include "dictionary_editor/ui/search_review_bar.h"
#include "dictionary_editor/ui/word_entry_panel.h"
#include "dictionary_editor/ui/word_lists_panel.h"

#include "model/language.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// The 4-letter list after an import: BACO and RAMA come in, CASA goes.
EditorWordLists ImportedLists()
{
    EditorWordLists lists(TableOf(Language::Italian).Alphabet);
    lists.List(1).SetWords({"ALBA", "CASA", "ZERO"}, false);
    lists.List(1).SetWords({"ALBA", "BACO", "RAMA", "ZERO"}, true);
    return lists;
}

TEST(WordListsPanel, InReviewAChosenEntryIsItsListRowAndAWordGoneIsNoEntry)
{
    EditorWordLists lists = ImportedLists();
    WordListsPanel panel(lists);
    panel.SetReviewing(true);
    panel.show();
    QListView* four = panel.findChild<QListView*>(QStringLiteral("list4"));
    ASSERT_EQ(four->model()->rowCount(), 3);  // + BACO, + RAMA, - CASA
    QApplication::setActiveWindow(&panel);
    four->setFocus();
    QSignalSpy chosen(&panel, &WordListsPanel::entryChosen);
    struct Row {
        int reviewRow;
        qsizetype listRow;  // -1: nothing chosen
    };
    for (const Row row : {Row{1, 2}, Row{2, -1}}) {
        SCOPED_TRACE(row.reviewRow);
        chosen.clear();
        four->setCurrentIndex(four->model()->index(row.reviewRow, 0));
        QTest::keyClick(four, Qt::Key_Return);
        if (row.listRow < 0) {
            EXPECT_TRUE(chosen.isEmpty());
            const WordListsPanel::Selection selection = panel.SelectedIn(1);
            EXPECT_TRUE(selection.any);
            EXPECT_TRUE(selection.rows.empty());
            EXPECT_EQ(selection.removedWord, QStringLiteral("CASA"));
            continue;
        }
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(chosen.first().at(0).toInt(), 1);
        EXPECT_EQ(chosen.first().at(1).value<qsizetype>(), row.listRow);
        EXPECT_EQ(lists.List(1).At(row.listRow), QStringLiteral("RAMA"));
    }
    EXPECT_EQ(lists.CurrentList(), 1) << "the list tabbed into is the current one";
}

TEST(WordListsPanel, SelectedEntriesComeSortedWithTheirWords)
{
    EditorWordLists lists = ImportedLists();
    WordListsPanel panel(lists);
    QListView* four = panel.findChild<QListView*>(QStringLiteral("list4"));
    for (const int row : {3, 1})
        four->selectionModel()->select(four->model()->index(row, 0), QItemSelectionModel::Select);
    const WordListsPanel::Selection selection = panel.SelectedIn(1);
    EXPECT_EQ(selection.rows, (std::vector<qsizetype>{1, 3}));
    EXPECT_EQ(selection.words, QStringList({"BACO", "ZERO"}));
    EXPECT_FALSE(panel.SelectedIn(0).any);
}

TEST(SearchReviewBar, EachChangeSeeksTheFirstMatchAndEachEnterTheNext)
{
    SearchReviewBar bar;
    QLineEdit* box = bar.findChild<QLineEdit*>(QStringLiteral("searchBox"));
    QSignalSpy asked(&bar, &SearchReviewBar::searchRequested);
    struct Row {
        const char* keys;  // "\n" for Enter
        const char* typed;
        qsizetype ordinal;
    };
    const Row rows[] = {{"c", "c", 0}, {"\n", "c", 1}, {"\n", "c", 2}, {"a", "ca", 0}, {"\n", "ca", 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keys);
        asked.clear();
        if (QLatin1String(row.keys) == QLatin1String("\n"))
            QTest::keyClick(box, Qt::Key_Return);
        else
            QTest::keyClicks(box, QString::fromLatin1(row.keys));
        ASSERT_EQ(asked.size(), 1);
        EXPECT_EQ(asked.first().at(0).toString(), QLatin1String(row.typed));
        EXPECT_EQ(asked.first().at(1).value<qsizetype>(), row.ordinal);
    }
}

TEST(WordEntryPanel, EnterGivesTheWordAndTheBoxIsReadyForTheNext)
{
    WordEntryPanel panel(TableOf(Language::English).Alphabet);
    panel.show();
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("addWord")), Qt::LeftButton);
    QLineEdit* box = panel.findChild<QLineEdit*>(QStringLiteral("wordBox"));
    ASSERT_TRUE(box->isVisible());
    QSignalSpy entered(&panel, &WordEntryPanel::wordEntered);
    QTest::keyClicks(box, QStringLiteral("jazz"));
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(entered.size(), 1);
    EXPECT_EQ(entered.first().at(0).toString(), QStringLiteral("JAZZ"));

    panel.ReadyForNextWord(false);
    EXPECT_EQ(box->selectedText(), QStringLiteral("JAZZ")) << "typing replaces the word just handled";
    panel.ReadyForNextWord(true);
    EXPECT_TRUE(box->text().isEmpty()) << "a word there already is cleared";
    panel.CloseWordBox();
    EXPECT_FALSE(box->isVisible());
}

TEST(BulkImportPanel, TheSpellCheckedLineIsWrittenOverTheLineOfTheCaret)
{
    BulkImportPanel panel;
    panel.SetText(QStringLiteral("CASA\nlibero\nMARE"));
    QPlainTextEdit* box = panel.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"));
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(9);
    box->setTextCursor(cursor);
    const BulkText::Span line = panel.CaretLine();
    EXPECT_EQ(panel.Text().mid(line.start, line.length), QStringLiteral("libero"));
    panel.ReplaceSpan(line, QStringLiteral("LIBRO"));
    EXPECT_EQ(panel.Text(), QStringLiteral("CASA\nLIBRO\nMARE"));
    EXPECT_EQ(box->textCursor().position(), 10) << "the caret after the word written";
}

TEST(BulkImportPanel, TheBoxAndThePictureAnswerADoubleClickAndThePictureItsKeys)
{
    BulkImportPanel panel;
    panel.show();
    QSignalSpy importAll(&panel, &BulkImportPanel::importAllRequested);
    QSignalSpy localList(&panel, &BulkImportPanel::localMissingWordsRequested);
    QTest::mouseDClick(panel.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"))->viewport(), Qt::LeftButton);
    EXPECT_EQ(importAll.size(), 1);

    auto* picture = panel.findChild<QToolButton*>(QStringLiteral("missingWordsPicture"));
    struct Row {
        Qt::Key key;
        bool inserts;
    };
    for (const Row row : {Row{Qt::Key_Space, true}, Row{Qt::Key_Return, true}, Row{Qt::Key_Enter, true},
                          Row{Qt::Key_A, false}}) {
        SCOPED_TRACE(row.key);
        localList.clear();
        QTest::keyClick(picture, row.key);
        EXPECT_EQ(localList.size(), row.inserts ? 1 : 0);
    }
    localList.clear();
    QTest::mouseDClick(picture, Qt::LeftButton);
    EXPECT_EQ(localList.size(), 1);
    EXPECT_EQ(importAll.size(), 1) << "the picture imports no bulk words";
}

}  // namespace
