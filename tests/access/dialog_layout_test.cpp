// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_dialogs.h"
#include "platform/ui/qt_translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The longest prompt the game asks with, and a longer one without blanks.
const QString kDrawPrompt = QStringLiteral(
    "Inserire una parola (da 4 a 9 lettere) che verrà mischiata e usata come lettere estratte per questa manche. "
    "Gli altri giocatori dovranno trovare la parola più lunga possibile con queste lettere: ricordati di non "
    "guardare mentre scrivono!");

struct PromptRow {
    const char* what;
    QString prompt;
};

class InputBoxFits : public ::testing::TestWithParam<PromptRow> {};

TEST_P(InputBoxFits, OnA1024By768Screen)
{
    QInputDialog dialog;
    dialog.setLabelText(GetParam().prompt);
    QtDialogs::FitInputDialog(dialog);
    dialog.show();
    EXPECT_LE(dialog.width(), 1024) << GetParam().what;
    EXPECT_LE(dialog.height(), 768) << GetParam().what;
    EXPECT_LE(QtDialogs::WidestBox(&dialog), 1024);
}

INSTANTIATE_TEST_SUITE_P(Prompts, InputBoxFits,
                         ::testing::Values(PromptRow{"short", QStringLiteral("Nome:")},
                                           PromptRow{"the draw prompt", kDrawPrompt},
                                           PromptRow{"twice the draw prompt", kDrawPrompt + kDrawPrompt}));

// Runs `ask`, which opens a modal box, and reads the box's button captions before
// dismissing it with Escape. A bounded timer closes the box should it not appear.
QStringList CaptionsOf(const std::function<void()>& ask)
{
    QStringList captions;
    int tries = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++tries < 300)
            return;
        poll.stop();
        if (!modal)
            return;
        for (const QAbstractButton* button : modal->findChildren<QAbstractButton*>())
            captions.append(button->text());
        EXPECT_LE(modal->width(), 1024);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->done(QMessageBox::Cancel);
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    poll.start();
    ask();
    return captions;
}

struct CaptionRow {
    const char* what;
    std::function<void(QtDialogs&)> ask;
    QStringList expected;
};

class ItalianCaptions : public ::testing::TestWithParam<CaptionRow> {};

TEST_P(ItalianCaptions, OnEveryBox)
{
    QtDialogs dialogs;
    QStringList captions = CaptionsOf([&] { GetParam().ask(dialogs); });
    captions.sort();
    QStringList expected = GetParam().expected;
    expected.sort();
    EXPECT_EQ(captions, expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ItalianCaptions,
    ::testing::Values(
        CaptionRow{"ok or cancel", [](QtDialogs& d) { d.AskOkCancel(kDrawPrompt); },
                   {QStringLiteral("OK"), QStringLiteral("Annulla")}},
        CaptionRow{"yes or no", [](QtDialogs& d) { d.AskYesNo(QStringLiteral("Salvare?")); },
                   {QStringLiteral("Sì"), QStringLiteral("No")}},
        CaptionRow{"yes, no or cancel", [](QtDialogs& d) { d.AskYesNoCancel(QStringLiteral("Salvare?")); },
                   {QStringLiteral("Sì"), QStringLiteral("No"), QStringLiteral("Annulla")}},
        CaptionRow{"input", [](QtDialogs& d) { d.InputBox(kDrawPrompt, QString()); },
                   {QStringLiteral("OK"), QStringLiteral("Annulla")}}));

}  // namespace

namespace {

// Qt's own buttons, which the game's boxes do not caption themselves, speak Italian
// once Qt's translations are loaded from the system.
TEST(QtTranslations, LoadAndCaptionQtsOwnButtons)
{
    ASSERT_TRUE(InstallItalianQtTranslations(*QApplication::instance()))
        << "Qt's Italian translations (qt6-translations-l10n) are not installed";
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::Close);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sì"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text().remove(QLatin1Char('&')), QStringLiteral("Chiudi"));
}

}  // namespace
