// The main window's toolbar: fixed in place, its buttons with their texts
// beside their icons, reached with Tab and named for screen readers; paints
// its own background strip and logo.
#ifndef ARDENTIX_UI_CMAINTOOLBAR_H
#define ARDENTIX_UI_CMAINTOOLBAR_H

#include <QToolBar>

class CMainToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit CMainToolBar(QWidget* parent);

    // Adds the buttons of the actions, the groups apart.
    void AddButtons(const QList<QAction*>& first, const QList<QAction*>& second);
    // Describes the button of action by the actions of the menu behind it.
    void Describe(QAction* action, const QList<QAction*>& menu);
    // Opens menu under the button of action.
    void PopUp(QMenu* menu, QAction* action) const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

#endif
