#include "WindowSettings.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace {

// The store is named explicitly, not by the application's names.
const char kOrganisation[] = "Quorvane Inc.";
const char kApplication[] = "Quorvane Ardentix";

} // namespace

namespace WindowSettings {

QPoint DefaultPosition()
{
    return QPoint(200, 200);
}

QSize DefaultSize()
{
    return QSize(800, 450);
}

void Restore(QWidget* window)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                             QLatin1String(kApplication));
    QPoint pos = settings.value(QStringLiteral("Pos"), DefaultPosition()).toPoint();
    const QSize size = settings.value(QStringLiteral("Size"), DefaultSize()).toSize();

    const QRect frame(pos, size);
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(frame))
            visible = true;
    }
    if (!visible && !QGuiApplication::screens().isEmpty())
        pos = DefaultPosition();

    window->resize(size);
    window->move(pos);
}

void Save(const QWidget* window)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kOrganisation),
                       QLatin1String(kApplication));
    settings.setValue(QStringLiteral("Pos"), window->pos());
    settings.setValue(QStringLiteral("Size"), window->size());
}

} // namespace WindowSettings
