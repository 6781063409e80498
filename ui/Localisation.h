// Maps the system locale to one of the program's language codes.
#ifndef ARDENTIX_UI_LOCALISATION_H
#define ARDENTIX_UI_LOCALISATION_H

#include <QString>
#include <QStringList>

#include <functional>

class QTranslator;
class QWidget;

// The three-letter code ("enu", "ger", ...) of the catalogue and help page
// for a locale name such as "de_DE". A full name in the table wins, then the
// first key the name begins with; anything else is English. Never empty.
QString LanguageCodeForLocale(const QString& localeName);

// The names of Qt's own catalogues (qtbase_<name>.qm) for a language code,
// best first: Norwegian takes Bokmål, then Nynorsk; European Portuguese
// takes Brazilian where Qt has no catalogue of its own.
QStringList QtLocaleNamesForLanguage(const QString& code);

// Loads the program's catalogue for the system locale into program and
// installs it, also when it is empty; then Qt's own catalogue for its
// dialogs and buttons into qt, where Qt has one for the language. Returns
// whether the program's catalogue held any message.
bool InstallTranslators(QTranslator& program, QTranslator& qt);

// A translated file dialog filter in the form Qt's dialogs take: the
// catalogues separate the patterns with semicolons, Qt with spaces. Given
// patterns (separated by semicolons) stand in for the catalogue's, which
// only show translators what the label names.
QString DialogFilter(const QString& translated, const QString& patterns = QString());

// Shows a modal information box without title or parent, or hands its text
// to the message seam.
void ShowInformation(const QString& text);
// Shows a warning over parent, or hands its text to the message seam.
void ShowWarning(QWidget* parent, const QString& title, const QString& text);

// Where the program's catalogues are looked up, and how its one message is
// shown. Tests point them elsewhere; the program keeps the defaults.
struct LocalisationSeams
{
    static QString& CataloguePrefix();
    static std::function<void(const QString&)>& MessageHandler();
};

#endif
