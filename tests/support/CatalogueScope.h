// Installs one of the program's compiled-in catalogues for the length of a
// test, so that a test can run under a translation whatever the locale.
#ifndef ARDENTIX_TESTS_CATALOGUESCOPE_H
#define ARDENTIX_TESTS_CATALOGUESCOPE_H

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace testsupport {

class CatalogueScope
{
public:
    // An empty code installs nothing: the program's own English texts.
    explicit CatalogueScope(const QString& code)
    {
        if (code.isEmpty())
            return;
        m_loaded = m_translator.load(QStringLiteral(":/translations/") + code);
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~CatalogueScope() { QCoreApplication::removeTranslator(&m_translator); }
    CatalogueScope(const CatalogueScope&) = delete;
    CatalogueScope& operator=(const CatalogueScope&) = delete;

    // False when a catalogue was asked for and could not be loaded.
    bool Ok() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = true;
};

} // namespace testsupport

#endif
