// SPDX-License-Identifier: GPL-3.0-or-later
#include "image_effects.h"

#include <QColor>

#include <algorithm>
#include <vector>

namespace {

// One horizontal box pass over every row; the image is transposed by the caller
// for the vertical pass.
void boxPassRows(std::vector<int>& channels, int width, int height, int radius) {
    std::vector<int> row(size_t(width) * 4);
    const int window = 2 * radius + 1;
    for (int y = 0; y < height; ++y) {
        int* line = channels.data() + size_t(y) * width * 4;
        std::copy(line, line + width * 4, row.begin());
        for (int c = 0; c < 4; ++c) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) sum += row[size_t(std::clamp(k, 0, width - 1)) * 4 + c];
            for (int x = 0; x < width; ++x) {
                line[x * 4 + c] = sum / window;
                const int out = std::clamp(x - radius, 0, width - 1);
                const int in = std::clamp(x + radius + 1, 0, width - 1);
                sum += row[size_t(in) * 4 + c] - row[size_t(out) * 4 + c];
            }
        }
    }
}

std::vector<int> transposed(const std::vector<int>& channels, int width, int height) {
    std::vector<int> result(channels.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 4; ++c) result[(size_t(x) * height + y) * 4 + c] = channels[(size_t(y) * width + x) * 4 + c];
    return result;
}

}  // namespace

void blurImage(QImage& image, int radius) {
    if (radius <= 0) return;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width(), height = image.height();
    std::vector<int> channels(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            int* px = channels.data() + (size_t(y) * width + x) * 4;
            px[0] = qRed(line[x]); px[1] = qGreen(line[x]); px[2] = qBlue(line[x]); px[3] = qAlpha(line[x]);
        }
    }
    for (int pass = 0; pass < 3; ++pass) boxPassRows(channels, width, height, radius);
    channels = transposed(channels, width, height);
    for (int pass = 0; pass < 3; ++pass) boxPassRows(channels, height, width, radius);
    channels = transposed(channels, height, width);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int* px = channels.data() + (size_t(y) * width + x) * 4;
            line[x] = qRgba(px[0], px[1], px[2], px[3]);
        }
    }
}

QImage downsample(const QImage& source, int factor) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage result(image.width() / factor, image.height() / factor, QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < result.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = in[x * factor + dx];
                    sum[0] += qRed(p); sum[1] += qGreen(p); sum[2] += qBlue(p); sum[3] += qAlpha(p);
                }
            }
            out[x] = qRgba((sum[0] + area / 2) / area, (sum[1] + area / 2) / area, (sum[2] + area / 2) / area,
                           (sum[3] + area / 2) / area);
        }
    }
    return result;
}

QImage makeCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}
