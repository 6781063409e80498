#include "CustodyCheckFlow.h"

#include "CaseDetails.h"
#include "CheckDialog.h"
#include "CheckResultWindow.h"
#include "Localisation.h"
#include "ReportRefusal.h"
#include "RunController.h"
#include "RunProgress.h"

#include <QProgressDialog>

namespace {

const int kSteps = 1000;

// Shows how far the check is.
void ShowProgress(QProgressDialog& dialog, const CustodyProgress& progress)
{
    // Once cancelled, the dialog stays hidden.
    if (dialog.wasCanceled())
        return;
    if (progress.totalFiles >= 0) {
        dialog.setLabelText(QObject::tr("Checking (%1/%2)")
                                .arg(QString::number(progress.filesDone), QString::number(progress.totalFiles)));
        const qint64 bytes = progress.totalBytes;
        dialog.setValue(
            static_cast<int>(bytes > 0 ? qMin<qint64>(kSteps - 1, progress.bytesDone * kSteps / bytes) : 0));
    }
}

} // namespace

CustodyCheckFlow::CustodyCheckFlow(QWidget* window, RunController& run, CaseDetails& caseDetails,
                                   std::function<void(bool)> setRunActions)
    : m_parent(window), m_run(run), m_case(caseDetails), m_setRunActions(std::move(setRunActions))
{
}

CustodyCheckFlow::~CustodyCheckFlow() = default;

void CustodyCheckFlow::Ask(const QString& filesFilter)
{
    if (m_run.Busy())
        return;
    CheckDialog dialog(m_parent, filesFilter);
    dialog.SetRequest(m_last);
    dialog.SetCheck([this](const CustodyRequest& request, QWidget* over) {
        m_last = request;
        return Check(request, over);
    });
    dialog.exec();
}

bool CustodyCheckFlow::Check(const CustodyRequest& request, QWidget* over)
{
    if (m_run.Busy() || m_run.Closing())
        return true;
    QWidget* parent = over != nullptr ? over : m_parent;
    m_setRunActions(false);
    std::optional<CustodyRunResult> checked;
    {
        const std::unique_ptr<QProgressDialog> dialog =
            NewProgressDialog(parent, QObject::tr("Custody Check"), QObject::tr("Reading the report…"), kSteps);
        dialog->setObjectName(QStringLiteral("custodyCheckProgress"));
        dialog->setValue(0);
        // Once cancelled, the files in progress stop at once.
        QObject::connect(dialog.get(), &QProgressDialog::canceled, dialog.get(), [this] { m_run.Cancel(); });
        QObject::connect(&m_run, &RunController::CheckProgress, dialog.get(),
                         [&dialog](const CustodyProgress& progress) { ShowProgress(*dialog, progress); });
        checked = m_run.Check(request);
    }
    m_setRunActions(true);
    // A window that closed meanwhile shows nothing more.
    if (!checked || m_run.Closing())
        return true;
    const CustodyRunResult& result = *checked;
    const QString title = QObject::tr("Custody Check");
    if (!result.prepared) {
        if (result.problem.IsProblem())
            ShowWarning(parent, title, ReportRefusal::Message(result.problem));
        return false;
    }
    if (result.noDigest > 0)
        ShowWarning(parent, title,
                    QObject::tr("%n file(s) could not be verified: this system could not compute the digest.", nullptr,
                                static_cast<int>(result.noDigest)));
    delete m_window;
    m_window = new CheckResultWindow(request, result, &m_case, m_parent);
    m_window->show();
    return true;
}
