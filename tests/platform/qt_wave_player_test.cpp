// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/qt_wave_player.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

QStringList& Captured()
{
    static QStringList lines;
    return lines;
}

void Capture(QtMsgType, const QMessageLogContext&, const QString& message)
{
    Captured().append(message);
}

// Every line printed while it lives.
class CapturedMessages {
public:
    CapturedMessages() : previous_(qInstallMessageHandler(Capture)) { Captured().clear(); }
    ~CapturedMessages() { qInstallMessageHandler(previous_); }
    QStringList Lines() const { return Captured(); }

private:
    QtMessageHandler previous_;
};

TEST(QtWavePlayer, AMachineWithoutSoundIsToldOnceNotOncePerSound)
{
    struct Row {
        const char* what;
        bool fileExists;
        int plays;
        int expectedLines;
    };
    const std::vector<Row> rows = {
        {"one sound: one line", true, 1, 1},
        {"a game's hundreds of sounds: still one line", true, 300, 1},
        {"a missing file is skipped before any sound problem", false, 5, 0},
    };
    QTemporaryDir folder;
    const QString wave = QDir(folder.path()).filePath(QStringLiteral("TIC.WAV"));
    QFile file(wave);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QtWavePlayer player([] { return false; });
        CapturedMessages messages;
        for (int i = 0; i < row.plays; ++i)
            player.Play(row.fileExists ? wave : QDir(folder.path()).filePath(QStringLiteral("A.WAV")));
        const QStringList lines = messages.Lines();
        EXPECT_EQ(lines.size(), row.expectedLines) << lines.join(QLatin1Char('\n')).toStdString();
        if (row.expectedLines == 1) {
            EXPECT_TRUE(lines.first().contains(QStringLiteral("nessun dispositivo audio")));
        }
    }
}

}  // namespace
