// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_fixture.h"
#include "window_places.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Keeps the places in a file of a temporary folder for one test, and names no file
// afterwards, as in every other test.
struct PlacesInTemporaryFolder {
    PlacesInTemporaryFolder() { WindowPlaces::UseFile(folder.filePath(QStringLiteral("finestre.ini"))); }
    ~PlacesInTemporaryFolder() { WindowPlaces::UseFile(QString()); }
    QTemporaryDir folder;
};

// A window shown with `geometry`, then closed: its place is kept under `key`.
void ShowAndClose(const QString& key, const QRect& geometry, bool maximised)
{
    QWidget window;
    WindowPlaces::Remember(&window, key);
    window.setGeometry(geometry);
    if (maximised)
        window.showMaximized();
    else
        window.show();
    QApplication::processEvents();
    window.close();
}

}  // namespace

TEST(WindowPlaces, AClosedWindowOpensAgainWhereItWas)
{
    struct Row {
        const char* what;
        QRect geometry;
        bool maximised;
    };
    const Row rows[] = {
        {"normal", QRect(100, 120, 500, 400), false},
        {"elsewhere", QRect(10, 30, 320, 240), false},
        {"maximised", QRect(60, 70, 400, 300), true},
    };
    for (const Row& row : rows) {
        PlacesInTemporaryFolder places;
        ShowAndClose(QStringLiteral("prova"), row.geometry, row.maximised);

        QWidget again;
        WindowPlaces::Remember(&again, QStringLiteral("prova"));
        again.show();
        QApplication::processEvents();
        EXPECT_EQ(again.isMaximized(), row.maximised) << row.what;
        if (!row.maximised) {
            EXPECT_EQ(again.geometry(), row.geometry) << row.what;
        }
    }
}

TEST(WindowPlaces, NothingIsKeptOrRestoredWhereItShouldNotBe)
{
    struct Row {
        const char* what;
        std::function<void(QTemporaryDir&)> prepare;
        QString restoredKey;
    };
    const QRect kept(100, 120, 500, 400);
    const Row rows[] = {
        // Each window has its own place.
        {"another window", [](QTemporaryDir&) {}, QStringLiteral("altra")},
        // The file's name is taken by a folder: nothing is written into it or read.
        {"a folder in the way", [](QTemporaryDir& dir) { QDir(dir.path()).mkdir(QStringLiteral("finestre.ini")); },
         QStringLiteral("prova")},
        // No file named: the program does not remember places (as in the tests).
        {"no file named", [](QTemporaryDir&) { WindowPlaces::UseFile(QString()); }, QStringLiteral("prova")},
    };
    for (const Row& row : rows) {
        PlacesInTemporaryFolder places;
        row.prepare(places.folder);
        ShowAndClose(QStringLiteral("prova"), kept, false);
        QWidget again;
        again.setGeometry(5, 25, 200, 150);
        EXPECT_FALSE(WindowPlaces::Restore(&again, row.restoredKey)) << row.what;
        EXPECT_EQ(again.geometry(), QRect(5, 25, 200, 150)) << row.what;
    }
}

class MainWindowPlaceTest : public PlayTest {};

TEST_F(MainWindowPlaceTest, TheGameOpensMaximisedWhenItWasClosedMaximised)
{
    PlacesInTemporaryFolder places;
    Start();
    Window().showMaximized();
    QApplication::processEvents();
    Window().close();
    window.reset();

    Start();
    QApplication::processEvents();
    EXPECT_TRUE(Window().isMaximized());
}
