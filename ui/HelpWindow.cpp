#include "HelpWindow.h"

#include "Localisation.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLocale>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow() : QWidget(nullptr), closed(false)
{
    setObjectName(QStringLiteral("helpWindow"));
    // Both are the window's once the layout is set.
    browser = new QTextBrowser();
    layout = new QVBoxLayout();

    QStringList searchPaths;
    searchPaths << QCoreApplication::applicationDirPath() + QStringLiteral("/help");

    layout->addWidget(browser, 0, Qt::Alignment());
    setLayout(layout);
    setWindowTitle(QCoreApplication::translate("QObject", "Help"));
    browser->setSearchPaths(searchPaths);
    browser->setSource(QUrl(PageForLocale(QLocale::system().name())));
    resize(700, 500);
    closed = true;
}

QString HelpWindow::PageForLocale(const QString& localeName)
{
    return QStringLiteral("help_%1.html").arg(LanguageCodeForLocale(localeName));
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    closed = true;
    event->accept();
}
