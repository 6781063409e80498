// The main window's position and size, kept in the per-user settings store
// under "Quorvane Inc." / "Quorvane Ardentix" between runs.
#ifndef ARDENTIX_UI_WINDOWSETTINGS_H
#define ARDENTIX_UI_WINDOWSETTINGS_H

#include <QPoint>
#include <QSize>

class QWidget;

namespace WindowSettings {

// Used when nothing is stored.
QPoint DefaultPosition();
QSize DefaultSize();

// Resizes and moves window as stored. A position where no screen would
// show the window (a monitor since unplugged) gives the default instead.
void Restore(QWidget* window);

// Stores the window's position and size.
void Save(const QWidget* window);

} // namespace WindowSettings

#endif
