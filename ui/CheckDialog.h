// Check Against Report's dialog: the saved report to check against, and the
// folders and files to search for moved and new files. Every control is
// reached with Tab and has a mnemonic.
#ifndef ARDENTIX_UI_CHECKDIALOG_H
#define ARDENTIX_UI_CHECKDIALOG_H

#include <QByteArray>
#include <QDialog>
#include <QStringList>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

class CheckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CheckDialog(QWidget* parent);

    // The chosen report and the paths to search, as the system names them.
    QByteArray Report() const;
    std::vector<QByteArray> Paths() const;

    void SetReport(const QString& path);
    void AddPaths(const QStringList& paths);

    // The filter of the report dialog: the formats that can be checked.
    static QString ReportFilter();

private:
    void ChooseReport();
    void AddFolder();
    void AddFiles();
    void RemoveSelected();
    void UpdateButtons();

    QLineEdit* m_report;
    QListWidget* m_paths;
    QPushButton* m_remove;
    QPushButton* m_check;
};

#endif
