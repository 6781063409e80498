// main() of the widget suites: an application with the compiled-in
// resources and a private settings store.
#include "ResourceInit.h"
#include "TestRegistry.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    // The suites compare the program's English texts, whatever the user's
    // locale; they load other catalogues explicitly where they test them.
    qputenv("LC_ALL", "C.UTF-8");
    // Qt on Windows takes the system locale from LANG when it is set.
    qputenv("LANG", "C");
    qunsetenv("LANGUAGE");
    RegisterResources();
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    return testsupport::RunRegisteredTests(argc, argv);
}
