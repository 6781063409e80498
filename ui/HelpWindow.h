// The help window: one HTML page from the "help" folder beside the program,
// in the language of the system locale.
#ifndef ARDENTIX_UI_HELPWINDOW_H
#define ARDENTIX_UI_HELPWINDOW_H

#include <QWidget>

class QTextBrowser;
class QVBoxLayout;

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    HelpWindow();

    // True while the window is hidden and may be shown by Help().
    bool closed;

    QTextBrowser* Browser() const { return browser; }

    // The page's file name for a locale name, e.g. "help_ger.html".
    static QString PageForLocale(const QString& localeName);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTextBrowser* browser;
    QVBoxLayout* layout;
};

#endif
