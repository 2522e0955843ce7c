// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's picture of Gleaner: the real window right after harvesting a
// short text into an empty word folder, saved as docs/gleaner.png.
//
//   take_gleaner_screenshot <program folder> <output folder>

#include "gleaner/ui/folder_browser.h"
#include "gleaner/ui/gleaner_window.h"
#include "docs/screenshots/quiet_services.h"
#include "platform/core/program_files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const char* const kText =
    "La mattina il mare era calmo e la barca scivolava piano verso il porto.\r\n"
    "Sulla banchina i pescatori parlavano del tempo, delle reti e della città lontana.\r\n"
    "Perché tornare presto? Il sole scaldava le pietre, e nessuno aveva fretta.\r\n";

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: take_gleaner_screenshot <program folder> <output folder>\n");
        return 2;
    }
    const QString outputFile = QDir(QString::fromLocal8Bit(argv[2])).absoluteFilePath(QStringLiteral("gleaner.png"));
    QTemporaryDir work;
    const QDir root(work.path());
    const QString programFolder = root.filePath(QStringLiteral("Gleaner"));
    const QString texts = root.filePath(QStringLiteral("Testi"));
    if (!work.isValid() || !root.mkpath(QStringLiteral("Gleaner")) || !root.mkpath(QStringLiteral("Testi/Racconti")))
        return 1;
    const QString picture = QStringLiteral("linkautore.gif");
    QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(picture), QDir(programFolder).filePath(picture));
    const QString chosen = QDir(texts).filePath(QStringLiteral("mare.txt"));
    if (!Write(chosen, kText) || !Write(QDir(texts).filePath(QStringLiteral("mattino.txt")), "x") ||
        !Write(QDir(texts).filePath(QStringLiteral("madrigali.txt")), "x"))
        return 1;

    QuietDialogs dialogs;
    QuietServices quiet;
    GleanerWindow window(quiet.With(dialogs), ProgramFiles(programFolder));
    window.Browser().ShowFolder(texts);
    QListWidget* files = window.Browser().Files();
    files->setCurrentItem(files->findItems(QStringLiteral("mare.txt"), Qt::MatchExactly).value(0));
    window.show();

    int status = 1;
    QObject::connect(&window, &GleanerWindow::harvestEnded, &app, [&] {
        // Let the last words and the bar paint before the picture is taken.
        QTimer::singleShot(300, &app, [&] {
            if (window.grab().save(outputFile))
                status = 0;
            else
                std::fprintf(stderr, "cannot save %s\n", qPrintable(outputFile));
            app.quit();
        });
    });
    QTimer::singleShot(300, &window, [&] { window.StartHarvest(chosen); });
    QTimer::singleShot(20000, &app, [&] { app.quit(); });
    app.exec();
    return status;
}
