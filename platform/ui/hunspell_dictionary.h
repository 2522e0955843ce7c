// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ui/spelling_pass.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Hunspell;

// One Hunspell dictionary (an .aff and a .dic file). Hunspell takes and gives words
// in the encoding the .aff file declares with SET; every word crosses that border
// here, so callers only ever see QString.
class HunspellDictionary : public WordSpeller {
public:
    ~HunspellDictionary() override;

    // The dictionary `locale` (for example "it_IT") from the first folder that holds
    // both its files; nullptr when none does.
    static std::unique_ptr<HunspellDictionary> Find(const QStringList& folders, const QString& locale);
    // nullptr when either file is missing.
    static std::unique_ptr<HunspellDictionary> Load(const QString& affPath, const QString& dicPath);

    bool IsCorrect(const QString& word) override;
    QStringList Suggestions(const QString& word) override;

    // The encoding named by the dictionary's SET line.
    QString Encoding() const { return encoding_; }

private:
    HunspellDictionary(std::unique_ptr<Hunspell> hunspell, QString encoding);

    // Nothing when the word cannot be written in the dictionary's encoding.
    std::optional<QByteArray> Encode(const QString& word) const;
    QString Decode(const QByteArray& bytes) const;

    std::unique_ptr<Hunspell> hunspell_;
    QString encoding_;
    bool utf8_;
};
