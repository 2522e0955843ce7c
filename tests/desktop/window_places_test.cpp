// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/main_window_fixture.h"
#include "platform/ui/window_places.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Places kept in a file of a temporary folder for one test.
struct PlacesInTemporaryFolder {
    QTemporaryDir folder;
    WindowPlaces places{folder.filePath(QStringLiteral("finestre.ini"))};
};

// A window shown with `geometry`, then closed: its place is kept under `key`.
void ShowAndClose(const WindowPlaces& places, const QString& key, const QRect& geometry, bool maximised)
{
    QWidget window;
    places.Remember(&window, key);
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
        PlacesInTemporaryFolder kept;
        ShowAndClose(kept.places, QStringLiteral("prova"), row.geometry, row.maximised);

        QWidget again;
        kept.places.Remember(&again, QStringLiteral("prova"));
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
        std::function<void(PlacesInTemporaryFolder&)> prepare;
        QString restoredKey;
    };
    const QRect kept(100, 120, 500, 400);
    const Row rows[] = {
        // Each window has its own place.
        {"another window", [](PlacesInTemporaryFolder&) {}, QStringLiteral("altra")},
        // The file's name is taken by a folder: nothing is written into it or read.
        {"a folder in the way", [](PlacesInTemporaryFolder& kept) { QDir(kept.folder.path()).mkdir(QStringLiteral("finestre.ini")); },
         QStringLiteral("prova")},
        // No file named: the program does not remember places (as in the tests).
        {"no file named", [](PlacesInTemporaryFolder& kept) { kept.places = WindowPlaces(); }, QStringLiteral("prova")},
    };
    for (const Row& row : rows) {
        PlacesInTemporaryFolder places;
        row.prepare(places);
        ShowAndClose(places.places, QStringLiteral("prova"), kept, false);
        QWidget again;
        again.setGeometry(5, 25, 200, 150);
        EXPECT_FALSE(places.places.Restore(&again, row.restoredKey)) << row.what;
        EXPECT_EQ(again.geometry(), QRect(5, 25, 200, 150)) << row.what;
    }
}

class MainWindowPlaceTest : public PlayTest {};

TEST_F(MainWindowPlaceTest, TheGameOpensMaximisedWhenItWasClosedMaximised)
{
    PlacesInTemporaryFolder kept;
    fakes.places = kept.places;
    Start();
    Window().showMaximized();
    QApplication::processEvents();
    Window().close();
    window.reset();

    Start();
    QApplication::processEvents();
    EXPECT_TRUE(Window().isMaximized());
}

TEST(WindowPlaces, TwoFilesOfPlacesInOneProcessKeepApart)
{
    // Two programs in one process (or two tests) each keep their own places.
    PlacesInTemporaryFolder first;
    PlacesInTemporaryFolder second;
    ShowAndClose(first.places, QStringLiteral("prova"), QRect(100, 120, 500, 400), false);
    QWidget again;
    again.setGeometry(5, 25, 200, 150);
    EXPECT_FALSE(second.places.Restore(&again, QStringLiteral("prova")));
    EXPECT_TRUE(first.places.Restore(&again, QStringLiteral("prova")));
    EXPECT_EQ(again.geometry(), QRect(100, 120, 500, 400));
}
