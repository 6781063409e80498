// The details of one verified file: everything its row keeps, selectable,
// with buttons to copy it all as plain text and to close.
#ifndef ARDENTIX_UI_DETAILSDIALOG_H
#define ARDENTIX_UI_DETAILSDIALOG_H

#include "ResultRow.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

class DetailsDialog : public QDialog
{
    Q_OBJECT

public:
    DetailsDialog(const RowRecord& record, QWidget* parent);

    QTextBrowser* Browser() const { return browser; }
    QPushButton* CopyButton() const { return copyButton; }
    // What Copy puts on the clipboard.
    QString PlainText() const { return plainText; }

private:
    QTextBrowser* browser;
    QPushButton* copyButton;
    QString plainText;
};

#endif
