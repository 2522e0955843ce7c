// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary_editor/core/lexicon_list_load.h"

#include "platform/core/bounded_read.h"
#include "platform/core/program_folder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

LexiconFileBytes ReadLexiconFile(const QString& name)
{
    LexiconFileBytes result;
    const QString path = ProgramFolder::Resolve(name);
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).fileName());
    BoundedRead::Result file = BoundedRead::Read(path, kLargestLexiconFile);
    switch (file.status) {
    case BoundedRead::Status::Ok:
        result.bytes = std::move(file.bytes);
        result.status = LexiconFileBytes::Status::Read;
        break;
    case BoundedRead::Status::Missing:
        // The lexicon's own numbered error, as every reader of the lexicon says it.
        result.error = QStringLiteral("Errore 0002: Non trovato file di vocabolario ") + shown;
        break;
    default:
        result.status = LexiconFileBytes::Status::Unreadable;
        result.error = BoundedRead::FailureText(file.status, shown);
        break;
    }
    return result;
}

LexiconListLoad::LexiconListLoad(EditorWordLists& lists, QByteArray fileBytes)
    : lists_(lists), bytes_(std::move(fileBytes)), index_(LexiconIndex::Parse(bytes_, bytes_.size()))
{
    lists_.Clear();
}

std::int64_t LexiconListLoad::CountInLength() const
{
    return Finished() ? 0 : std::max<std::int32_t>(0, index_.SectionCount[length_]);
}

bool LexiconListLoad::Step(std::int64_t words)
{
    // Empty lengths are passed over at once, so the step that reads the last word
    // also finishes the load.
    while (!Finished() && (words > 0 || CountInLength() == 0)) {
        const std::int64_t count = CountInLength();
        if (done_ == 0)
            pending_.reserve(count);
        // The parsed index never reaches past the end of the file.
        const std::int64_t take = std::min(count - done_, words);
        for (std::int64_t k = done_ + 1; k <= done_ + take; ++k)
            pending_.append(QString::fromLatin1(bytes_.constData() + index_.WordOffset(length_, std::int32_t(k)), length_));
        done_ += take;
        words -= take;
        if (done_ >= count) {
            lists_.List(EditorWordLists::ListFor(length_)).SetWords(std::move(pending_), false);
            pending_ = {};
            done_ = 0;
            ++length_;
        }
    }
    return !Finished();
}

void LexiconListLoad::RunToEnd()
{
    while (Step(1 << 20)) {
    }
}
