// The details of one verified file: everything its row keeps, selectable,
// with buttons to copy it all as plain text and to close.
#ifndef ARDENTIX_UI_DETAILSDIALOG_H
#define ARDENTIX_UI_DETAILSDIALOG_H

#include "RowRecord.h"

#include <QDialog>

#include <memory>

class QPushButton;
class QTextBrowser;
class QTextDocument;

class DetailsDialog : public QDialog
{
    Q_OBJECT

public:
    DetailsDialog(const RowRecord& record, QWidget* parent);
    ~DetailsDialog() override;

    QTextBrowser* Browser() const { return m_browser; }
    QPushButton* CopyButton() const { return m_copyButton; }
    // What Copy puts on the clipboard.
    QString PlainText() const { return m_plainText; }

private:
    QTextBrowser* m_browser;
    QPushButton* m_copyButton;
    QString m_plainText;
};

#endif
