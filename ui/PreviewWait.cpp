#include "PreviewWait.h"

#include "EvidenceReport.h"
#include "PreviewMaker.h"
#include "ResultModel.h"

#include <QEventLoop>
#include <QProgressDialog>

bool WaitForPreviews(QWidget* parent, ResultModel* model, PreviewMaker* maker)
{
    const int waiting = model->PreviewsWaiting();
    if (waiting == 0)
        return true;
    QProgressDialog progress(QObject::tr("Making the pictures of the files…"), QObject::tr("Cancel"), 0, waiting,
                             parent);
    progress.setWindowTitle(EvidenceReport::SaveTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    QEventLoop loop;
    QObject::connect(model, &ResultModel::PreviewMade, &loop, [model, &progress, &loop, waiting] {
        progress.setValue(waiting - model->PreviewsWaiting());
        if (model->PreviewsWaiting() == 0)
            loop.quit();
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    // Shown at once: the user asked to save and is told why it waits.
    // setValue may deliver the last picture already.
    progress.setValue(0);
    progress.show();
    // The pictures still to come are made together, each within its limits.
    maker->SetHurried(true);
    if (model->PreviewsWaiting() > 0 && !progress.wasCanceled())
        loop.exec();
    maker->SetHurried(false);
    return model->PreviewsWaiting() == 0;
}
