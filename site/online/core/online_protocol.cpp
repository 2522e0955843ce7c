// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/online/core/online_protocol.h"

#include <QJsonDocument>
#include <QJsonValue>

#include <map>

namespace OnlineProtocol {

namespace {

const std::map<std::string, QString>& RefusalTexts()
{
    static const std::map<std::string, QString> texts{
        {"size", QStringLiteral("Messaggio troppo lungo.")},
        {"malformed", QStringLiteral("Messaggio non valido.")},
        {"unknown", QStringLiteral("Richiesta sconosciuta.")},
        {"rate", QStringLiteral("Troppi messaggi: rallenta.")},
        {"table", QStringLiteral("Questo tavolo non esiste più.")},
        {"seat", QStringLiteral("Non sei seduto a questo posto.")},
        {"full", QStringLiteral("Non ci sono posti liberi.")},
        {"turn", QStringLiteral("Non è il tuo turno di estrarre le lettere.")},
        {"clock", QStringLiteral("La manche non è in corso.")},
        {"letters", QStringLiteral("La parola contiene caratteri non ammessi o è troppo lunga.")},
        {"name", QStringLiteral("Scrivi un nome da 1 a 24 caratteri.")},
        {"phase", QStringLiteral("Non è il momento per questa richiesta.")},
        {"language", QStringLiteral("Il sito non ha il dizionario di questa lingua.")},
    };
    return texts;
}

// A whole number field among `allowed`; nullopt when absent, of another type or not allowed.
std::optional<int> OneOf(const QJsonObject& object, const char* key, std::initializer_list<int> allowed)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    for (const int candidate : allowed) {
        if (number == candidate)
            return candidate;
    }
    return std::nullopt;
}

// A string field of at most `most` characters; nullopt when absent (and not optional),
// of another type or longer.
std::optional<QString> Text(const QJsonObject& object, const char* key, int most, bool optional = false)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() && optional)
        return QString();
    if (!value.isString() || value.toString().size() > most)
        return std::nullopt;
    return value.toString();
}

const std::map<QString, Kind>& Kinds()
{
    static const std::map<QString, Kind> kinds{
        {QStringLiteral("lobby"), Kind::Lobby},       {QStringLiteral("create"), Kind::Create},
        {QStringLiteral("join"), Kind::Join},         {QStringLiteral("sit"), Kind::Sit},
        {QStringLiteral("draw"), Kind::Draw},         {QStringLiteral("word"), Kind::Word},
        {QStringLiteral("done"), Kind::Done},         {QStringLiteral("report"), Kind::Report},
        {QStringLiteral("continue"), Kind::Continue}, {QStringLiteral("again"), Kind::Again},
        {QStringLiteral("leave"), Kind::Leave},
    };
    return kinds;
}

}  // namespace

Refusal Refused(const std::string& why)
{
    const auto found = RefusalTexts().find(why);
    return {why, found == RefusalTexts().end() ? QStringLiteral("Richiesta rifiutata.") : found->second};
}

std::string Message(const char* kind, QJsonObject fields)
{
    fields.insert(QStringLiteral("t"), QLatin1String(kind));
    return QJsonDocument(fields).toJson(QJsonDocument::Compact).toStdString();
}

std::string RefusalMessage(const Refusal& refusal)
{
    return Message("refused", {{QStringLiteral("why"), QString::fromStdString(refusal.why)},
                               {QStringLiteral("text"), refusal.text}});
}

QString CheckedName(const QString& typed)
{
    const QString name = typed.simplified();
    // A name holding "(CPU)" would make the seat a computer player.
    if (name.isEmpty() || name.size() > kLongestName || name.contains(QStringLiteral("(CPU)"), Qt::CaseInsensitive))
        return QString();
    for (const QChar c : name) {
        if (!c.isPrint())
            return QString();
    }
    return name;
}

std::variant<Request, Refusal> Parse(std::string_view message)
{
    if (message.size() > kMostMessageBytes)
        return Refused("size");
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(message.data(), static_cast<qsizetype>(message.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Refused("malformed");
    const QJsonObject object = document.object();
    const QJsonValue kindValue = object.value(QStringLiteral("t"));
    if (!kindValue.isString())
        return Refused("malformed");
    const auto kind = Kinds().find(kindValue.toString());
    if (kind == Kinds().end())
        return Refused("unknown");

    Request request;
    request.kind = kind->second;
    switch (request.kind) {
    case Kind::Create: {
        const std::optional<QString> name = Text(object, "name", kLongestName * 2);
        const std::optional<int> language = OneOf(object, "language", {1, 2, 3});
        const std::optional<int> letters = OneOf(object, "letters", {8, 9, 10});
        const std::optional<int> seconds = OneOf(object, "seconds", {30, 60, 90});
        const std::optional<int> level = OneOf(object, "level", {1, 2, 3});
        if (!name || !language || !letters || !seconds || !level)
            return Refused("malformed");
        request.name = CheckedName(*name);
        if (request.name.isEmpty())
            return Refused("name");
        request.options = {static_cast<Language>(*language), *letters, *seconds, static_cast<Difficulty>(*level)};
        break;
    }
    case Kind::Join: {
        const std::optional<QString> table = Text(object, "table", 32);
        const std::optional<QString> token = Text(object, "token", 64, true);
        if (!table || !token)
            return Refused("malformed");
        request.table = *table;
        request.token = *token;
        break;
    }
    case Kind::Sit: {
        const std::optional<QString> name = Text(object, "name", kLongestName * 2);
        if (!name)
            return Refused("malformed");
        request.name = CheckedName(*name);
        if (request.name.isEmpty())
            return Refused("name");
        break;
    }
    case Kind::Draw: {
        const std::optional<QString> draw = Text(object, "kind", 16);
        if (draw == QStringLiteral("vowel"))
            request.draw = DrawKind::Vowel;
        else if (draw == QStringLiteral("consonant"))
            request.draw = DrawKind::Consonant;
        else if (draw == QStringLiteral("auto"))
            request.draw = DrawKind::Auto;
        else
            return Refused("malformed");
        break;
    }
    case Kind::Word: {
        const std::optional<QString> word = Text(object, "word", 64);
        if (!word)
            return Refused(object.value(QStringLiteral("word")).isString() ? "letters" : "malformed");
        if (object.contains(QStringLiteral("seat"))) {
            const std::optional<int> seat = OneOf(object, "seat", {0, 1, 2, 3});
            if (!seat)
                return Refused("malformed");
            request.seat = *seat;
        }
        request.word = *word;
        break;
    }
    case Kind::Lobby:
    case Kind::Done:
    case Kind::Report:
    case Kind::Continue:
    case Kind::Again:
    case Kind::Leave: break;
    }
    return request;
}

}  // namespace OnlineProtocol
