#include "language.h"

LanguageTables TablesForLanguage(int language)
{
    if (language == 1) {
        return {QStringLiteral("ABCDEFGHILMNOPQRSTUVZ"),
                QStringLiteral("AAAAAAAAAEEEEEEEEEIIIIIIIIIIIIOOOOOOOOUUUU"),
                QStringLiteral("BBCCCCCCDDFFFGGGGHHLLLLMMMMMMNNNNNNNPPPPPPQQRRRRRRRRSSSSSSSSSSTTTTTTTTTTVVZZZZZ")};
    }
    return {QStringLiteral("ABCDEFGHILMNOPQRSTUVZXYJKW"),
            QStringLiteral("AAAAAAAAAEEEEEEEEEIIIIIIIIIIIIOOOOOOOOUUUUYY"),
            QStringLiteral("BBCCCCCCDDFFFGGGGHHLLLLMMMMMMNNNNNNNPPPPPPQQRRRRRRRRSSSSSSSSSSTTTTTTTTTTVVZZZZZJKXW")};
}

QString LexiconFileName(int language)
{
    return QStringLiteral("SLESSICO.") + QString::number(language);
}
