// The desktop program's entry point.
#include "MainWindow.h"
#include "ResourceInit.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    RegisterResources();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationDomain(QStringLiteral("quorvane.com"));
    QApplication::setApplicationName(QStringLiteral("Ardentix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/Authentication.png")));

    MainWindow window;
    window.show();
    return app.exec();
}
