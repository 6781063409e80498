// Maps the system locale to one of the program's language codes.
#ifndef ARDENTIX_UI_LOCALISATION_H
#define ARDENTIX_UI_LOCALISATION_H

#include <QString>

// The three-letter code ("enu", "ger", ...) of the catalogue and help page
// for a locale name such as "de_DE". A full name in the table wins, then the
// first key the name begins with; anything else is English. Never empty.
QString LanguageCodeForLocale(const QString& localeName);

#endif
