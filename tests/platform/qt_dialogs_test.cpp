// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString Lines(int count, const QString& line)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(line + QStringLiteral(" %1").arg(i));
    return lines.join(QLatin1Char('\n'));
}

// What an information box looked like when it was open.
struct SeenBox {
    bool opened = false;
    QRect frame;        // on the screen
    QRect okButton;     // in the box's own coordinates
    bool okVisible = false;
    QString shownText;  // the label's or the scrolling field's
    bool scrolls = false;
};

// Opens `text` in the programs' information box and reads the box before pressing OK.
// A bounded timer presses it should the box be slow to appear, so the test never waits.
SeenBox Inform(const QString& text)
{
    SeenBox seen;
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
        seen.opened = true;
        seen.frame = modal->frameGeometry();
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text() == QLatin1String("OK")) {
                seen.okButton = QRect(button->mapTo(modal, QPoint(0, 0)), button->size());
                seen.okVisible = button->isVisible();
            }
        }
        if (auto* field = modal->findChild<QPlainTextEdit*>()) {
            seen.shownText = field->toPlainText();
            seen.scrolls = field->verticalScrollBar()->maximum() > 0;
        } else if (auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.shownText = label->text();
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->done(QMessageBox::Ok);
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    });
    poll.start();
    QtDialogs().Inform(text);
    return seen;
}

}  // namespace

// A long rules file fits the screen: its text scrolls inside the box, whose OK
// button stays in sight; a short text is a plain message box as before.
TEST(QtDialogs, AnInformationBoxFitsTheScreenHoweverLongItsText)
{
    struct Row {
        const char* label;
        QString text;
        bool scrolls;
    };
    const Row rows[] = {
        {"a few lines", Lines(5, QStringLiteral("Sono ammesse le parole")), false},
        {"3,000 short lines", Lines(3000, QStringLiteral("Regola")), true},
        {"200 long lines",
         Lines(200, QStringLiteral("Sono ammessi i nomi comuni, i verbi coniugati e gli aggettivi al plurale")), true},
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const SeenBox seen = Inform(row.text);
        ASSERT_TRUE(seen.opened);
        EXPECT_LE(seen.frame.height(), screen.height());
        EXPECT_LE(seen.frame.width(), screen.width());
        EXPECT_TRUE(seen.okVisible);
        EXPECT_LE(seen.okButton.bottom(), seen.frame.height());
        EXPECT_EQ(seen.shownText, row.text);
        EXPECT_EQ(seen.scrolls, row.scrolls);
    }
}
