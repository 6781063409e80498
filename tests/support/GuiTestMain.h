// main() for the widget test suites: an application with the compiled-in
// resources and a private settings store.
#ifndef ARDENTIX_TESTS_GUITESTMAIN_H
#define ARDENTIX_TESTS_GUITESTMAIN_H

#include "ResourceInit.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#define ARDENTIX_GUI_TEST_MAIN()                                                                                       \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        /* The widget suites compare the program's English texts: they     */                                          \
        /* pin the system locale, whatever the user's is, and load other    */                                         \
        /* catalogues explicitly where they test them.                      */                                         \
        qputenv("LC_ALL", "C.UTF-8");                                                                                  \
        /* Qt on Windows takes the system locale from LANG when it is set. */                                          \
        qputenv("LANG", "C");                                                                                          \
        qunsetenv("LANGUAGE");                                                                                         \
        RegisterResources();                                                                                           \
        QApplication app(argc, argv);                                                                                  \
        QTemporaryDir settingsDir;                                                                                     \
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());                         \
        return testsupport::RunRegisteredTests(argc, argv);                                                            \
    }

#endif
