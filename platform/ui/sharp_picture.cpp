// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/sharp_picture.h"

#include <QImageReader>

namespace SharpPicture {

QString FileFor(const ProgramFiles& files, const QString& name, double pixelRatio)
{
    if (pixelRatio > kSharpFrom) {
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        const QString sharp = dot < 0 ? name + QStringLiteral("@2x")
                                      : name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
        if (files.Exists(sharp) && QImageReader(files.Resolve(sharp)).canRead())
            return files.Resolve(sharp);
    }
    return files.Resolve(name);
}

bool IsDouble(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? fileName : fileName.left(dot)).endsWith(QStringLiteral("@2x"));
}

QPixmap Load(const ProgramFiles& files, const QString& name, double pixelRatio)
{
    const QString fileName = FileFor(files, name, pixelRatio);
    QPixmap picture(fileName);
    if (!picture.isNull() && IsDouble(fileName))
        picture.setDevicePixelRatio(2.0);
    return picture;
}

}  // namespace SharpPicture
