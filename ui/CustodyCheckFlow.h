// The window's custody check: the dialog that asks for a report and the
// folders to search, the check under its progress dialog, a refusal
// explained over the dialog, and the outcome's window.
#ifndef ARDENTIX_UI_CUSTODYCHECKFLOW_H
#define ARDENTIX_UI_CUSTODYCHECKFLOW_H

#include "CustodyRun.h"

#include <QPointer>

#include <functional>

class CheckResultWindow;
class QProgressDialog;
class QWidget;
class RunController;
struct CaseDetails;

class CustodyCheckFlow
{
public:
    // window is the parent of what the check shows; run runs the check, one
    // run at a time, and says whether the window is closing; the outcome's PDF names
    // caseDetails; setRunActions enables or disables the window's actions
    // that would add or remove rows.
    CustodyCheckFlow(QWidget* window, RunController& run, CaseDetails& caseDetails,
                     std::function<void(bool)> setRunActions);
    ~CustodyCheckFlow();
    CustodyCheckFlow(const CustodyCheckFlow&) = delete;
    CustodyCheckFlow& operator=(const CustodyCheckFlow&) = delete;

    // Opens the dialog with what was entered last; the check runs while it
    // stays open, so that a refused report can be corrected there.
    void Ask(const QString& filesFilter);

    // Re-checks the files that a saved report lists, and the paths for
    // moved and new files, and shows the outcome; a report that cannot be
    // used is explained in a message over `over` (the window when null),
    // nothing changes, and false is returned.
    bool Check(const CustodyRequest& request, QWidget* over = nullptr);

    // The last check asked for, which the dialog offers again.
    const CustodyRequest& Last() const { return m_last; }

private:
    QWidget* m_parent;
    RunController& m_run;
    CaseDetails& m_case;
    std::function<void(bool)> m_setRunActions;
    CustodyRequest m_last;
    // Cleared when the outcome's window is deleted.
    QPointer<CheckResultWindow> m_window;
};

#endif
