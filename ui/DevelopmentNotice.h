// The notice that a development build shows above its table: its verdicts
// must not be relied on, since anyone can sign for its key.
#ifndef ARDENTIX_UI_DEVELOPMENTNOTICE_H
#define ARDENTIX_UI_DEVELOPMENTNOTICE_H

class QLabel;
class QWidget;

namespace DevelopmentNotice {

// In a build with the development key: a widget that holds the notice above
// content, with the notice in *notice. Otherwise content itself, and null in
// *notice.
QWidget* Around(QWidget* content, QWidget* parent, QLabel** notice);

} // namespace DevelopmentNotice

#endif
