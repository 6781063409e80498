// The About box: the program's name, version and legal notice, the
// fingerprint of the key it trusts, and the development-key warning where
// it applies.
#ifndef ARDENTIX_UI_ABOUTBOX_H
#define ARDENTIX_UI_ABOUTBOX_H

#include <QString>

class QWidget;

namespace AboutBox {

// The box's text as HTML.
QString Text();

// Shows the box, modal, over parent.
void Show(QWidget* parent);

} // namespace AboutBox

#endif
