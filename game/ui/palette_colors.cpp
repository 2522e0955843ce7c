// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ui/palette_colors.h"

#include <algorithm>
#include <cmath>

namespace PaletteColors {
namespace {

double Channel(double value)
{
    value /= 255.0;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * Channel(rgb.red()) + 0.7152 * Channel(rgb.green()) + 0.0722 * Channel(rgb.blue());
}

constexpr double kReadableContrast = 3.0;

}  // namespace

bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

double Contrast(const QColor& first, const QColor& second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor ReadableOn(const QColor& fill, const QColor& background)
{
    if (Contrast(fill, background) >= kReadableContrast)
        return fill;
    const bool lighten = Luminance(background) < 0.18;
    QColor hsl = fill.toHsl();
    const int hue = hsl.hslHue();
    const int saturation = hsl.hslSaturation();
    // Lightness steps in small stages, so the result is the nearest readable shade.
    for (int lightness = hsl.lightness(); lightness >= 0 && lightness <= 255; lightness += lighten ? 4 : -4) {
        const QColor shade = QColor::fromHsl(hue, saturation, lightness);
        if (Contrast(shade, background) >= kReadableContrast)
            return shade.toRgb();
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

QColor BoardBackground(const QPalette& palette, bool pictureTiles)
{
    if (!IsDark(palette))
        return pictureTiles ? QColor(255, 255, 255) : QColor(128, 128, 128);
    return palette.color(pictureTiles ? QPalette::Base : QPalette::Mid);
}

}  // namespace PaletteColors
