// The details of one verified file: its picture framed in its verdict's
// colour beside everything its row keeps, selectable, with buttons to copy
// it all as plain text and to close.
#ifndef ARDENTIX_UI_DETAILSDIALOG_H
#define ARDENTIX_UI_DETAILSDIALOG_H

#include "RowRecord.h"

#include <QDialog>

#include <memory>

class QLabel;
class ResultModel;
class QPushButton;
class QTextBrowser;
class QTextDocument;

class DetailsDialog : public QDialog
{
    Q_OBJECT

public:
    DetailsDialog(const RowRecord& record, QWidget* parent);
    ~DetailsDialog() override;

    // Opens the details of row of model, modal over parent; a picture made
    // while it is open is shown at once.
    static void Show(ResultModel* model, int row, QWidget* parent);

    QTextBrowser* Browser() const { return m_browser; }
    QPushButton* CopyButton() const { return m_copyButton; }
    QLabel* Picture() const { return m_picture; }
    // Shows the record's picture as it is now (made, or found impossible,
    // after the dialog opened).
    void ShowPreview(const RowRecord& record);
    // What Copy puts on the clipboard.
    QString PlainText() const { return m_plainText; }

private:
    QTextBrowser* m_browser;
    QLabel* m_picture;
    QPushButton* m_copyButton;
    QString m_plainText;
    QString m_fileName;
};

#endif
