// The icons that are drawn rather than loaded: the verdict's check and
// cross, and Save Report's page with its arrow, at 1x and 2x.
#ifndef ARDENTIX_UI_PAINTEDICONS_H
#define ARDENTIX_UI_PAINTEDICONS_H

#include <QIcon>

class QPainter;
class QRectF;

namespace PaintedIcons {

// A green check or a red cross in a disc, 16 pixels.
QIcon Verdict(bool authentic);
// The same mark drawn by painter to fill the square at box.
void DrawVerdict(QPainter& painter, const QRectF& box, bool authentic);

// A page with a folded corner and a downward arrow, 18 pixels like the
// toolbar's image icons.
QIcon SaveReport();
// Custody Check: the report's page with a tick.
QIcon CheckReport();

} // namespace PaintedIcons

#endif
