// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/core/record_submission.h"

#include "model/game_rules.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr int kLongestName = 40;
constexpr int kLongestNote = 100;
constexpr int kLongestEmail = 254;
constexpr int kHighestPoints = 32767;
constexpr int kMostManches = GameRules::kManchesPerGame;

FieldError Refused(const char* key, const QString& why)
{
    return {QString::fromLatin1(key),
            QStringLiteral("Il campo \"%1\" non è valido: %2").arg(QString::fromLatin1(key), why)};
}

// Control characters, line and paragraph separators, and the invisible format
// characters (zero-width spaces and joiners, bidi overrides and isolates, the byte
// order mark, tags): a name holding them can pass for another or turn the text
// around it backwards.
bool HasControlCharacter(const QString& text)
{
    for (const char32_t u : text.toUcs4()) {
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029 ||
            QChar::category(u) == QChar::Other_Format)
            return true;
    }
    return false;
}

qsizetype CharacterCount(const QString& text)
{
    return text.toUcs4().size();
}

// A whole decimal number in [low, high]; nothing for anything else (signs, blanks,
// leading "+", digits beyond an int).
std::optional<int> WholeNumber(const QByteArray& text, int low, int high)
{
    if (text.isEmpty() || text.size() > 6)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

QString DecodedFieldText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.normalized(QString::NormalizationForm_C);
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return QString(windows.decode(bytes)).normalized(QString::NormalizationForm_C);
    return QString::fromLatin1(bytes);
}

QString NoteForDisplay(const QString& note)
{
    QString shown = note;
    shown.replace(QLatin1Char('_'), QLatin1Char(' '));
    return shown;
}

std::variant<RecordSubmission, FieldError> CheckSubmission(const FieldReader& field, const QDate& today)
{
    RecordSubmission record;
    const auto missing = [](const char* key) {
        return FieldError{QString::fromLatin1(key), QStringLiteral("Manca il campo \"%1\".").arg(QString::fromLatin1(key))};
    };

    const std::optional<QByteArray> name = field("Nome");
    if (!name)
        return missing("Nome");
    record.name = DecodedFieldText(*name).trimmed();
    if (record.name.isEmpty() || CharacterCount(record.name) > kLongestName)
        return Refused("Nome", QStringLiteral("il nome deve avere da 1 a %1 caratteri.").arg(kLongestName));
    if (HasControlCharacter(record.name))
        return Refused("Nome", QStringLiteral("il nome contiene caratteri di controllo o invisibili."));

    const std::optional<QByteArray> program = field("programma");
    if (!program)
        return missing("programma");
    static const QRegularExpression programForm(QStringLiteral("^Letterama_[A-Z]{3}$"));
    record.program = QString::fromLatin1(*program);
    if (!programForm.match(record.program).hasMatch())
        return Refused("programma", QStringLiteral("deve essere \"Letterama_\" seguito da tre lettere maiuscole."));

    const std::optional<QByteArray> date = field("data");
    if (!date)
        return missing("data");
    static const QRegularExpression dateForm(QStringLiteral("^\\d\\d-\\d\\d-\\d\\d\\d\\d$"));
    const QString dateText = QString::fromLatin1(*date);
    record.playedOn = QDate::fromString(dateText, QStringLiteral("dd-MM-yyyy"));
    if (!dateForm.match(dateText).hasMatch() || !record.playedOn.isValid())
        return Refused("data", QStringLiteral("la data deve essere nella forma gg-mm-aaaa."));
    if (record.playedOn > today.addDays(1))
        return Refused("data", QStringLiteral("la data è nel futuro."));

    const std::optional<QByteArray> points = field("punti");
    if (!points)
        return missing("punti");
    const std::optional<int> pointsValue = WholeNumber(*points, 0, kHighestPoints);
    if (!pointsValue)
        return Refused("punti", QStringLiteral("deve essere un numero intero da 0 a %1.").arg(kHighestPoints));
    record.points = *pointsValue;

    const std::optional<QByteArray> manches = field("Manches");
    if (!manches)
        return missing("Manches");
    const std::optional<int> manchesValue = WholeNumber(*manches, 1, kMostManches);
    if (!manchesValue)
        return Refused("Manches", QStringLiteral("deve essere un numero intero da 1 a %1.").arg(kMostManches));
    record.manches = *manchesValue;

    // The note may be left out or empty.
    record.note = DecodedFieldText(field("Note").value_or(QByteArray())).trimmed();
    if (CharacterCount(record.note) > kLongestNote)
        return Refused("Note", QStringLiteral("la nota può avere al massimo %1 caratteri.").arg(kLongestNote));
    if (HasControlCharacter(record.note))
        return Refused("Note", QStringLiteral("la nota contiene caratteri di controllo o invisibili."));

    static const QRegularExpression emailForm(QStringLiteral("^[^@\\s<>\"'(),;:\\\\\\[\\]]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
    record.email = DecodedFieldText(field("E_MAIL").value_or(QByteArray())).trimmed();
    if (!record.email.isEmpty() &&
        (record.email.size() > kLongestEmail || HasControlCharacter(record.email) ||
         !emailForm.match(record.email).hasMatch()))
        return Refused("E_MAIL", QStringLiteral("deve essere vuoto o un indirizzo di posta elettronica."));

    const std::optional<QByteArray> time = field("ora");
    if (!time)
        return missing("ora");
    static const QRegularExpression timeForm(QStringLiteral("^\\d\\d:\\d\\d$"));
    const QString timeText = QString::fromLatin1(*time);
    record.playedAt = QTime::fromString(timeText, QStringLiteral("HH:mm"));
    if (!timeForm.match(timeText).hasMatch() || !record.playedAt.isValid())
        return Refused("ora", QStringLiteral("l'ora deve essere nella forma hh:mm."));

    const std::optional<QByteArray> language = field("Language");
    if (!language)
        return missing("Language");
    const std::optional<int> languageValue = WholeNumber(*language, 1, 3);
    if (!languageValue)
        return Refused("Language", QStringLiteral("deve essere 1 (Italiano), 2 (Inglese) o 3 (Latino)."));
    record.language = static_cast<Language>(*languageValue);
    return record;
}
