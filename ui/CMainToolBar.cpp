#include "CMainToolBar.h"

#include <QAction>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

CMainToolBar::CMainToolBar(QWidget* parent) : QToolBar(parent) {}

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
