// Save Report's wait for the pictures still being made: a report shows
// every picture or is not saved, since a page without one would look as if
// its file could not be decoded.
#ifndef ARDENTIX_UI_PREVIEWWAIT_H
#define ARDENTIX_UI_PREVIEWWAIT_H

class PreviewMaker;
class QWidget;
class ResultModel;

// Waits, under a progress dialog over parent with Cancel, until model has
// every picture; the maker makes those still to come together. False when
// the user cancelled first.
bool WaitForPreviews(QWidget* parent, ResultModel* model, PreviewMaker* maker);

#endif
