// The desktop program's entry point.
#include "CrashReport.h"
#include "MainWindow.h"
#include "PathText.h"
#include "ResourceInit.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include <vector>

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    CrashReport::Install("ardentix");
#endif
    RegisterResources();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationDomain(QStringLiteral("quorvane.com"));
    QApplication::setApplicationName(QStringLiteral("Ardentix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/Authentication.png")));

    MainWindow window;
    window.show();

    // Files and folders named on the command line ("ardentix clip.avi
    // evidence/") are verified once the window is up. QApplication has
    // removed its own options from argv; the rest are taken as the system's
    // bytes, so that names that are not UTF-8 reach the files they name.
    std::vector<QByteArray> paths;
#ifdef Q_OS_WIN
    // argv is in the ANSI code page there; Qt reads the wide command line.
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        paths.push_back(PathText::ToNative(arguments[i]));
#else
    for (int i = 1; i < argc; ++i)
        paths.emplace_back(argv[i]);
#endif
    if (!paths.empty())
        QTimer::singleShot(0, &window, [&window, paths] { window.OpenPaths(paths); });
    return app.exec();
}
