// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/fill_strip.h"
#include "tests/support/main_window_fixture.h"
#include "game/ui/palette_colors.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

const QColor kNavy(0, 0, 128);  // the time bar's slices

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(40, 40, 44));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(28, 28, 30));
    dark.setColor(QPalette::Mid, QColor(70, 70, 76));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(50, 50, 54));
    return dark;
}

// Sets the application's palette for one test and puts the old one back.
struct ApplicationPalette {
    explicit ApplicationPalette(const QPalette& palette) : before(QApplication::palette())
    {
        QApplication::setPalette(palette);
        QApplication::processEvents();  // the windows hear of it by a posted event
    }
    ~ApplicationPalette()
    {
        QApplication::setPalette(before);
        QApplication::processEvents();
    }
    QPalette before;
};

}  // namespace

TEST(PaletteColors, AFillTooFaintOnItsGroundTakesAReadableShadeOfItsHue)
{
    struct Row {
        const char* what;
        QColor fill, ground;
        bool unchanged;
    };
    const Row rows[] = {
        {"navy on white", kNavy, Qt::white, true},
        {"navy on dark grey", kNavy, QColor(28, 28, 30), false},
        {"navy on black", kNavy, Qt::black, false},
        {"yellow on white", QColor(255, 255, 0), Qt::white, false},
        {"light blue on dark", QColor(120, 160, 255), QColor(28, 28, 30), true},
    };
    for (const Row& row : rows) {
        const QColor shown = PaletteColors::ReadableOn(row.fill, row.ground);
        EXPECT_EQ(shown == row.fill, row.unchanged) << row.what;
        EXPECT_GE(PaletteColors::Contrast(shown, row.ground), 3.0) << row.what;
        if (!row.unchanged) {
            EXPECT_NEAR(shown.toHsl().hslHue(), row.fill.toHsl().hslHue(), 2) << row.what;
        }
    }
}

TEST(PaletteColors, TheBoardKeepsItsClassicColoursOnALightPaletteAndFollowsADarkOne)
{
    struct Row {
        const char* what;
        QPalette palette;
        bool pictureTiles;
        QColor expected;
    };
    const QPalette light(Qt::black, QColor(239, 239, 239), Qt::white, Qt::darkGray, QColor(160, 160, 160), Qt::black,
                         Qt::white);
    const Row rows[] = {
        {"light, picture tiles", light, true, QColor(255, 255, 255)},
        {"light, other tiles", light, false, QColor(128, 128, 128)},
        {"dark, picture tiles", DarkPalette(), true, DarkPalette().color(QPalette::Base)},
        {"dark, other tiles", DarkPalette(), false, DarkPalette().color(QPalette::Mid)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PaletteColors::BoardBackground(row.palette, row.pictureTiles), row.expected) << row.what;
}

TEST(DarkPalette, TheTimeBarTakesTheDarkGroundAndShowsItsSlicesReadably)
{
    ApplicationPalette dark(DarkPalette());
    FillStrip bar;
    bar.resize(200, 22);
    bar.FillBox(QRectF(0, 0, 50, bar.InnerHeight()), kNavy);
    const QImage picture = bar.grab().toImage();
    const QColor ground = picture.pixelColor(150, 11);
    const QColor slice = picture.pixelColor(20, 11);
    EXPECT_EQ(ground, DarkPalette().color(QPalette::Base));
    EXPECT_GE(PaletteColors::Contrast(slice, ground), 3.0);
    EXPECT_GT(slice.blue(), slice.red());  // still the bar's blue
}

class DarkBoardTest : public PlayTest {};

TEST_F(DarkBoardTest, ADarkPaletteReachesTheBoardAndALightOneBringsTheGreyBack)
{
    Start("SfondoCasella=4");
    EXPECT_EQ(View().BoardPanel()->palette().color(QPalette::Window), QColor(128, 128, 128));
    {
        ApplicationPalette dark(DarkPalette());
        EXPECT_EQ(View().BoardPanel()->palette().color(QPalette::Window), DarkPalette().color(QPalette::Mid));
    }
    EXPECT_EQ(View().BoardPanel()->palette().color(QPalette::Window), QColor(128, 128, 128));
    Start("SfondoCasella=3");
    {
        ApplicationPalette dark(DarkPalette());
        EXPECT_EQ(View().BoardPanel()->palette().color(QPalette::Window), DarkPalette().color(QPalette::Base));
    }
}
