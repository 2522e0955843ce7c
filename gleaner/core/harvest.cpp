// SPDX-License-Identifier: GPL-3.0-or-later
#include "gleaner/core/harvest.h"

#include "platform/core/bounded_read.h"
#include "platform/core/single_byte_text.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool IsAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<signed char>(byte) >= 0; });
}

// A line as text: UTF-8 when it is valid UTF-8, else the code page. Accents written
// as combining marks (decomposed text) are joined to their letters.
QString LineText(const QByteArray& bytes)
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text = SingleByteText::DecodeAny(bytes);
    const bool combining = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() >= 0x300 && c.category() == QChar::Mark_NonSpacing;
    });
    if (combining)
        text = text.normalized(QString::NormalizationForm_C);
    return text;
}

}  // namespace

Harvest::Harvest(QString sourcePath, ProgramFiles target, bool foreignLetters, Cutting cutting)
    : sourcePath_(std::move(sourcePath)),
      foreignLetters_(foreignLetters),
      cutting_(cutting),
      targets_(std::move(target))
{
}

Harvest::~Harvest() = default;

qint64 Harvest::BytesRead() const
{
    return reader_ ? reader_->Consumed() : 0;
}

Harvest::State Harvest::Fail(QString error)
{
    error_ = std::move(error);
    state_ = State::Failed;
    reader_.reset();
    source_.close();
    return state_;
}

bool Harvest::Open()
{
    const QString name = QDir::toNativeSeparators(sourcePath_);
    // A folder, a pipe or a device is no text: opening a pipe could wait for ever.
    if (const BoundedRead::Status opened = BoundedRead::Open(source_, sourcePath_, kMaxSourceBytes);
        opened != BoundedRead::Status::Ok) {
        Fail(BoundedRead::FailureText(opened, name));
        return false;
    }
    if (source_.peek(kBinaryProbeBytes).contains('\0')) {
        Fail(QStringLiteral("Il file ") + name + QStringLiteral(" non è un file di testo: contiene dati binari"));
        return false;
    }
    // A file that grows meanwhile is read up to the length it had.
    sourceBytes_ = source_.size();
    reader_ = std::make_unique<BoundedLineReader>(source_, sourceBytes_);
    return true;
}

Harvest::State Harvest::Step(qint64 budget)
{
    if (state_ != State::Running)
        return state_;
    if (!reader_ && !Open())
        return state_;
    const qint64 stop = reader_->Consumed() + budget;
    QByteArray line;
    while (reader_->Consumed() < stop) {
        switch (reader_->Next(&line)) {
        case BoundedLineReader::Status::Line:
            if (!HarvestLine(line))
                return state_;
            break;
        case BoundedLineReader::Status::End:
            state_ = State::Finished;
            source_.close();
            return state_;
        case BoundedLineReader::Status::Error:
            return Fail(QStringLiteral("Errore durante la lettura del file ") +
                        QDir::toNativeSeparators(sourcePath_));
        }
    }
    return state_;
}

Harvest::State Harvest::RunToEnd()
{
    while (Step() == State::Running) {
    }
    return state_;
}

bool Harvest::HarvestLine(const QByteArray& bytes)
{
    const QString text = LineText(bytes);
    if (cutting_ == Cutting::AsReader) {
        for (const QStringView word : HarvestWords::ReaderWords(text, sentenceStart_)) {
            if (!HarvestToken(word))
                return false;
        }
        return true;
    }
    QStringView rest(text);
    while (!rest.isEmpty()) {
        if (!HarvestToken(HarvestWords::CutToken(rest)))
            return false;
    }
    return true;
}

bool Harvest::HarvestToken(QStringView token)
{
    ++counts_.tokens;
    const std::optional<QByteArray> word = HarvestWords::PlainWord(token, foreignLetters_);
    if (!word || !HarvestWords::HasHarvestLength(word->size())) {
        ++counts_.notWords;
        return true;
    }
    if (knownToLexicon && knownToLexicon(*word)) {
        ++counts_.inLexicon;
        return true;
    }
    QString error;
    switch (targets_.Add(*word, &error)) {
    case HarvestTargets::Outcome::Appended:
        ++counts_.appended;
        if (onAppended)
            onAppended(QString::fromLatin1(*word));
        break;
    case HarvestTargets::Outcome::Known:
        ++counts_.known;
        break;
    case HarvestTargets::Outcome::Failed:
        Fail(error);
        return false;
    }
    return true;
}
