#include "Localisation.h"

#include <QList>
#include <QPair>

QString LanguageCodeForLocale(const QString& localeName)
{
    // Ordered by the keys, so that a key comes before every longer key that
    // begins with it.
    const QList<QPair<QString, QString>> table = {
        {"cs", "csy"}, {"da", "dan"},    {"de", "ger"},    {"en", "enu"}, {"es", "spn"}, {"fr", "fre"},
        {"hu", "hun"}, {"it", "ita"},    {"ja", "jpn"},    {"ko", "krn"}, {"nl", "nld"}, {"no", "nor"},
        {"pl", "plk"}, {"pt", "ptg"},    {"pt_BR", "ptb"}, {"ru", "rus"}, {"sv", "sve"}, {"tr", "trk"},
        {"zh", "chs"}, {"zh_CN", "chs"}, {"zh_TW", "cht"},
    };
    for (const auto& entry : table) {
        if (localeName == entry.first)
            return entry.second;
    }
    for (const auto& entry : table) {
        if (localeName.startsWith(entry.first, Qt::CaseSensitive))
            return entry.second;
    }
    return QStringLiteral("enu");
}
