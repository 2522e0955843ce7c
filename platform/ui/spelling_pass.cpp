// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/spelling_pass.h"

SpellingPass::SpellingPass(QString text, WordSpeller& speller) : text_(std::move(text)), speller_(speller) {}

bool SpellingPass::IsWordCharacter(qsizetype i) const
{
    if (i < 0 || i >= text_.size())
        return false;
    const QChar c = text_[i];
    if (c.isLetter())
        return true;
    const bool apostrophe = c == u'\'' || c == QChar(0x2019);
    return apostrophe && i > 0 && i + 1 < text_.size() && text_[i - 1].isLetter() && text_[i + 1].isLetter();
}

bool SpellingPass::Next()
{
    length_ = 0;
    qsizetype i = next_;
    while (i < text_.size()) {
        while (i < text_.size() && !IsWordCharacter(i))
            ++i;
        const qsizetype start = i;
        while (i < text_.size() && IsWordCharacter(i))
            ++i;
        if (i > start && !speller_.IsCorrect(text_.mid(start, i - start))) {
            start_ = start;
            length_ = i - start;
            next_ = i;
            return true;
        }
    }
    next_ = text_.size();
    return false;
}

QStringList SpellingPass::Suggestions() const
{
    return AtWord() ? speller_.Suggestions(CurrentWord()) : QStringList();
}

void SpellingPass::Replace(const QString& correction)
{
    if (!AtWord())
        return;
    text_.replace(start_, length_, correction);
    next_ = start_ + correction.size();
    length_ = 0;
}

void SpellingPass::Skip()
{
    length_ = 0;
}
