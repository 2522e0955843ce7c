// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <ostream>

// Shows a QString as text in failed expectations.
inline void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}

// A folder for the texts to harvest and a separate folder for the word files, so that
// the word folder holds nothing but what a harvest wrote.
struct HarvestFolders {
    QTemporaryDir texts;
    QTemporaryDir words;

    QString WriteText(const QString& name, const QByteArray& bytes) const { return Write(texts, name, bytes); }
    QString WriteWords(const QString& name, const QByteArray& bytes) const { return Write(words, name, bytes); }
    QString TextPath(const QString& name) const { return QDir(texts.path()).filePath(name); }

    // Every file of the word folder and its bytes.
    std::map<QString, QByteArray> WordFiles() const { return FilesOf(words.path()); }

    static std::map<QString, QByteArray> FilesOf(const QString& folder)
    {
        std::map<QString, QByteArray> files;
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            QFile file(QDir(folder).filePath(name));
            files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
        }
        return files;
    }

private:
    static QString Write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(folder.path()).filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
};

// Shows a map of files in a failed expectation.
inline std::string Describe(const std::map<QString, QByteArray>& files)
{
    std::string text;
    for (const auto& [name, bytes] : files)
        text += name.toStdString() + ": \"" + bytes.toStdString() + "\"\n";
    return text;
}
