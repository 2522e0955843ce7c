// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the pictures of the game's program folder. Run by make_media.sh with
// the offscreen platform; every picture comes from code and the fonts given
// below, so the same tools paint the same pixels.
//
//   media_painter letters FOLDER [2]    3D letter frames (2: at twice the resolution)
//   media_painter logo FILE.png         the logo
//   media_painter icon FILE.png SIZE    the desktop icon
//   media_painter magnifier FOLDER      magnifying-glass frames
//   media_painter preview BACKGROUND FILE.png

#include "scenes.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The DejaVu files by path, so the painting never depends on which other fonts
// the machine happens to have.
bool loadFonts() {
    const QString folder = qEnvironmentVariable("MEDIA_FONT_DIR", "/usr/share/fonts/truetype/dejavu");
    const QStringList files = QDir(folder).entryList({"DejaVu*.ttf"}, QDir::Files, QDir::Name);
    for (const QString& file : files) QFontDatabase::addApplicationFont(folder + "/" + file);
    return !files.isEmpty();
}

int usage() {
    std::fputs("usage: media_painter letters FOLDER [2] | logo FILE | icon FILE SIZE | magnifier FOLDER | preview BACKGROUND FILE\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) return usage();
    if (!loadFonts()) {
        std::fputs("media_painter: no DejaVu fonts found (set MEDIA_FONT_DIR)\n", stderr);
        return 1;
    }
    const QString& command = args[1];
    if (command == "letters") {
        paintLetterFrames(args[2], args.size() > 3 ? args[3].toInt() : 1);
    } else if (command == "logo") {
        paintLogo(args[2]);
    } else if (command == "icon" && args.size() == 4 && args[3].toInt() > 0) {
        paintIcon(args[2], args[3].toInt());
    } else if (command == "magnifier") {
        paintMagnifierFrames(args[2]);
    } else if (command == "preview" && args.size() == 4) {
        paintClassicPreview(args[2], args[3]);
    } else {
        return usage();
    }
    return 0;
}
