// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's pictures of the dictionary editor on the shipped Italian
// lexicon: the lists loaded (docs/editor-lists.png), the bulk box after Import all
// with its summary beside the window (docs/editor-bulk.png), and the review of what
// the next rebuild changes (docs/editor-review.png). The lexicon is only read.
//
//   take_editor_screenshots <program folder> <output folder>

#include "dictionary_editor/ui/dictionary_editor_window.h"
#include "docs/screenshots/quiet_services.h"

#include "model/language.h"
#include "platform/core/program_files.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

// Keeps the last message for the picture instead of showing it.
class KeptMessages : public QuietDialogs {
public:
    void Inform(const QString& text) override { last = text; }
    Answer AskYesNo(const QString&) override { return Answer::Yes; }
    Answer AskYesNoCancel(const QString&) override { return Answer::Yes; }
    QString last;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: take_editor_screenshots <program folder> <output folder>\n");
        return 2;
    }
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    const QDir output(QString::fromLocal8Bit(argv[2]));

    KeptMessages dialogs;
    NoNetwork http;
    NoSpelling spelling;
    DictionaryEditorWindow window({Language::Italian, QDir(programFolder).filePath("SLESSICO.1"),
                                   ProgramFiles(QDir::tempPath()), dialogs, http, spelling, {}});
    window.resize(1180, 720);
    window.Open();
    window.FinishLoad();
    if (window.Lists().TotalWords() == 0) {
        std::fprintf(stderr, "no lexicon in %s\n", argv[1]);
        return 1;
    }
    // An entry selected in the 8-letter list, as a keeper looking up a word sees it.
    auto* list = window.findChild<QListView*>(QStringLiteral("list8"));
    if (const std::optional<qsizetype> row = window.Lists().List(5).IndexOf(QStringLiteral("CASTELLO"))) {
        list->setCurrentIndex(list->model()->index(int(*row), 0));
        list->scrollTo(list->currentIndex(), QAbstractItemView::PositionAtCenter);
    }

    int failures = 0;
    QTimer::singleShot(300, &window, [&] {
        if (!SavePicture(window.grab(), output.filePath(QStringLiteral("editor-lists.png"))))
            ++failures;
        auto* bulk = window.findChild<QPlainTextEdit*>(QStringLiteral("bulkBox"));
        bulk->setPlainText(QStringLiteral("smartphone\nbiscotto\nre\nciaone\nsfizioso\nwi-fi"));
        window.findChild<QPushButton*>(QStringLiteral("importAll"))->click();
        // The summary as the program shows it, in a message box beside the window.
        auto* summary = new QMessageBox(QMessageBox::Information, QStringLiteral("Letterama"), dialogs.last,
                                        QMessageBox::Ok, &window);
        summary->setWindowModality(Qt::NonModal);
        summary->show();
        summary->move(window.geometry().center() - summary->rect().center());
        QTimer::singleShot(300, &window, [&, summary] {
            QPixmap picture = window.grab();
            QPainter painter(&picture);
            const QPoint at = summary->geometry().topLeft() - window.geometry().topLeft();
            painter.drawPixmap(at, summary->grab());
            painter.end();
            if (!SavePicture(picture, output.filePath(QStringLiteral("editor-bulk.png"))))
                ++failures;
            summary->close();
            // The keeper's review before the rebuild: only the words that come in.
            window.SetReviewing(true);
            QTimer::singleShot(300, &window, [&] {
                if (!SavePicture(window.grab(), output.filePath(QStringLiteral("editor-review.png"))))
                    ++failures;
                app.quit();
            });
        });
    });
    app.exec();
    return failures == 0 ? 0 : 1;
}
