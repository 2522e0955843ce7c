// SPDX-License-Identifier: GPL-3.0-or-later
#include "lexicon_error.h"

QString LexiconError::Message() const
{
    if (kind == Kind::Missing)
        return MissingLexiconMessage(language);
    return QStringLiteral("Errore 0002: Impossibile leggere il file di vocabolario ") +
           TableOf(language).LexiconFileName();
}
