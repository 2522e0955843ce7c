// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/core/program_files.h"

#include <QPixmap>
#include <QString>

// A picture of the program folder as an enlarged screen shows it best. Beside a
// picture "NAME.ext" the folder may hold "NAME@2x.ext", the same picture at twice
// the resolution: where the screen shows more than 1.25 device pixels per pixel of
// the picture (a HiDPI screen, an enlarged board), that copy is used, with a device
// pixel ratio of 2 so it takes the room of the plain one.
namespace SharpPicture {

inline constexpr double kSharpFrom = 1.25;

// The resolved path of the file of `files` to show for `name` at `pixelRatio`.
QString FileFor(const ProgramFiles& files, const QString& name, double pixelRatio);
// True when `fileName` is a copy at twice the resolution.
bool IsDouble(const QString& fileName);
// The picture of `name` for `pixelRatio`; null when neither file can be read.
QPixmap Load(const ProgramFiles& files, const QString& name, double pixelRatio);

}  // namespace SharpPicture
