// The main window's toolbar: paints its own background strip and logo.
#ifndef ARDENTIX_UI_CMAINTOOLBAR_H
#define ARDENTIX_UI_CMAINTOOLBAR_H

#include <QToolBar>

class CMainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CMainToolBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
