// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// Blurs an ARGB32_Premultiplied image in place with three box passes, which
// come close to a gaussian of the same radius.
void blurImage(QImage& image, int radius);

// Scales a supersampled drawing down to its final size by averaging whole
// blocks of factor x factor pixels; exact and the same on every machine.
QImage downsample(const QImage& image, int factor);

// A fresh transparent ARGB32_Premultiplied canvas.
QImage makeCanvas(int width, int height);
