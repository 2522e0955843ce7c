// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/board/tile_geometry.h"

#include <algorithm>
#include <cmath>

namespace TileGeometry {
namespace {

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Round half to even, as the letter placement asks for.
int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

QSize BoardSize()
{
    return {680, 200};
}

double BoardScale(QSize available)
{
    const QSize natural = BoardSize();
    const double across = static_cast<double>(available.width()) / natural.width();
    const double down = static_cast<double>(available.height()) / natural.height();
    return std::max(1.0, std::min(across, down));
}

QPoint ScaledOrigin(QSize available, double scale)
{
    const QSize used = ScaledSize(BoardSize(), scale);
    return {std::max(0, (available.width() - used.width()) / 2), std::max(0, (available.height() - used.height()) / 2)};
}

QPoint ToBoard(QPoint natural, double scale, QPoint origin)
{
    return origin + QPoint(static_cast<int>(std::lround(natural.x() * scale)),
                           static_cast<int>(std::lround(natural.y() * scale)));
}

QSize ScaledSize(QSize natural, double scale)
{
    return {static_cast<int>(std::lround(natural.width() * scale)),
            static_cast<int>(std::lround(natural.height() * scale))};
}

QPoint FlyInTopLeft(int position, int k)
{
    const double leftTwips = position * kPitch * kTwipsPerPixel / 200.0 * k + kMarginTwips;
    const float storedLeft = static_cast<float>(leftTwips);
    return {TwipsToPixels(storedLeft), TwipsToPixels(400 - k)};
}

QPoint RestTopLeft(int position)
{
    return {TwipsToPixels(position * kPitch * kTwipsPerPixel + kMarginTwips), TwipsToPixels(kRestTopTwips)};
}

QPoint MovieTopLeft(int position)
{
    // The loop variable has run one step past its last value (250) when the picture
    // is placed; with a factor of 50 that gives a pitch of 62.5 pixels.
    const double leftTwips = position * 50.0 * kTwipsPerPixel / 200.0 * (kFlyLast + kFlyStep) + kMovieMarginTwips;
    return {TwipsToPixels(leftTwips), TwipsToPixels(kMovieTopTwips)};
}

int TileFontPointSize(int innerWidthPixels)
{
    return innerWidthPixels < 65 ? 54 : 44;
}

QPoint LetterOrigin(double textWidth, double textHeight)
{
    // Integer division truncates toward zero, as the placement rule asks.
    return {RoundHalfEven(kTileWidth - textWidth) / 2 - 1, RoundHalfEven(kTileHeight - textHeight) / 2};
}

QString TextCopy(const QString& drawnLetters, int letterCount)
{
    return (drawnLetters + QString(letterCount, QLatin1Char(' '))).left(letterCount);
}

QString TilePictureName(int mancheNumber)
{
    return QStringLiteral("TILEPIC") + QString::number(mancheNumber) + QStringLiteral(".BMP");
}

QString AccessibleTileName(int position, const QString& letter)
{
    return QStringLiteral("Lettera %1, posizione %2").arg(letter).arg(position + 1);
}

}  // namespace TileGeometry
