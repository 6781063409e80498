#include "CMainToolBar.h"

#include <QAction>
#include <QCursor>
#include <QImage>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>

CMainToolBar::CMainToolBar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setStyleSheet(QStringLiteral("QToolButton {font-family: Verdana}"));
}

void CMainToolBar::AddButtons(const QList<QAction*>& first, const QList<QAction*>& second)
{
    addActions(first);
    addSeparator();
    addActions(second);
    // Every button is reached with Tab and named for screen readers.
    for (QAction* action : first + second) {
        if (QWidget* button = widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setAccessibleName(action->text());
        }
    }
}

void CMainToolBar::PopUp(QMenu* menu, QAction* action) const
{
    QWidget* button = widgetForAction(action);
    menu->popup(button != nullptr ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos());
}

void CMainToolBar::Describe(QAction* action, const QList<QAction*>& menu)
{
    QStringList texts;
    for (const QAction* item : menu)
        texts << item->text();
    if (QWidget* button = widgetForAction(action))
        button->setAccessibleDescription(texts.join(QStringLiteral(", ")));
}

void CMainToolBar::paintEvent(QPaintEvent* event)
{
    // The strip is stretched over the whole bar; the logo keeps its size at
    // the right end. The buttons paint themselves on top.
    const QImage background(QStringLiteral(":/images/bg_tool_bar.png"));
    const qreal w = width();
    const qreal h = height();
    const QImage logo(QStringLiteral(":/images/logo.png"));

    QPainter painter(this);
    painter.drawImage(QRectF(0, 0, w, h), background, QRectF(0, 0, background.width(), background.height()));
    // The logo gives way when the buttons reach it (long texts in some
    // languages, or a narrow window), rather than showing under them.
    int buttonsEnd = 0;
    for (QAction* action : actions()) {
        const QWidget* button = widgetForAction(action);
        if (button != nullptr && button->isVisible())
            buttonsEnd = qMax(buttonsEnd, button->geometry().right());
    }
    if (buttonsEnd < w - logo.width())
        painter.drawImage(QRectF(w - logo.width(), 0, logo.width(), logo.height()), logo,
                          QRectF(0, 0, logo.width(), logo.height()));
    event->accept();
}
