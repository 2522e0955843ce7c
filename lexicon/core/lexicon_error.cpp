// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon/core/lexicon_error.h"

QString LexiconError::Message() const
{
    if (kind == Kind::Missing)
        return MissingLexiconMessage(language);
    if (kind == Kind::TooLarge)
        return QStringLiteral("Errore 0002: Il file di vocabolario ") + TableOf(language).LexiconFileName() +
               QStringLiteral(" è troppo grande");
    return QStringLiteral("Errore 0002: Impossibile leggere il file di vocabolario ") +
           TableOf(language).LexiconFileName();
}
