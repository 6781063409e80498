// The custody check's dialog: the saved report to check against, the folder
// that its relative paths are read against (the report's own folder unless
// the user chooses another), and the folders and files to search for moved
// and new files. Every control is reached with Tab and has a mnemonic.
//
// Check runs the check while the dialog stays open: a report that cannot be
// used is explained over it, and what the user entered stays.
#ifndef ARDENTIX_UI_CHECKDIALOG_H
#define ARDENTIX_UI_CHECKDIALOG_H

#include "CustodyRun.h"

#include <QByteArray>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

class CheckDialog : public QDialog
{
    Q_OBJECT

public:
    // filesFilter: the Add Files dialog's filter.
    CheckDialog(QWidget* parent, const QString& filesFilter);

    // What the user entered, as the system names it; the base is the
    // report's folder unless another was chosen.
    CustodyRequest Request() const;
    // Fills the dialog with an earlier request.
    void SetRequest(const CustodyRequest& request);

    void SetReport(const QString& path);
    void SetBase(const QString& folder);
    void AddPaths(const QStringList& paths);

    // Runs on Check with the request and the dialog (to show messages
    // over); the dialog closes when it returns true.
    using Run = std::function<bool(const CustodyRequest&, QWidget* dialog)>;
    void SetCheck(Run check) { m_run = std::move(check); }

    QLineEdit* ReportEdit() const { return m_report; }
    QLineEdit* BaseEdit() const { return m_base; }
    QListWidget* PathList() const { return m_paths; }
    QPushButton* CheckButton() const { return m_check; }

    // The filter of the report dialog: the formats that can be checked.
    static QString ReportFilter();
    // The folder that holds a report, as the system names it.
    static QByteArray ReportFolder(const QByteArray& report);

private:
    void ChooseReport();
    void ChooseBase();
    void AddFolder();
    void AddFiles();
    void RemoveSelected();
    void UpdateButtons();
    void FollowReport();
    void Check();

    QString m_filesFilter;
    QLineEdit* m_report;
    QLineEdit* m_base;
    // The base follows the report until the user edits it.
    bool m_baseChosen = false;
    QListWidget* m_paths;
    QPushButton* m_remove;
    QPushButton* m_check;
    Run m_run;
};

#endif
