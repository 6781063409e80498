#include "RunDriver.h"

#include "VerifyThread.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QStandardItemModel>

const char* const ProgressDialogStyleSheet =
    "QDialog {background-image: url(:/images/background_white.png);background-repeat: repeat-x;"
    "background-position: top center;}QProgressBar {text-align: center;}";

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// Waits for the worker while the event loop keeps the dialog painted and
// Cancel live. The loop sleeps until an event comes; the worker's finished
// signal is one, so nothing polls.
void WaitFor(VerifyThread* worker)
{
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    if (worker->isRunning())
        loop.exec(QEventLoop::AllEvents);
    // finished is emitted just before the thread ends.
    worker->wait();
}

} // namespace

QString ProgressLabel(const QString& fileName, int index, int count)
{
    // One substitution for all three: a name holding "%2" must show as is.
    return Tr("Processing") +
           QStringLiteral(" %1...(%2/%3)").arg(fileName, QString::number(index), QString::number(count));
}

void RunVerification(const QStringList& paths, RunContext& c)
{
    const int n = static_cast<int>(paths.size());
    *c.totalFiles += n;
    c.updateStatusBar();

    QProgressDialog* dialog =
        new QProgressDialog(Tr("Processing"), Tr("Cancel"), 0, n, c.window, Qt::WindowFlags(ProgressDialogFlags));
    dialog->setWindowTitle(Tr("Quorvane Ardentix"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setStyleSheet(QString::fromLatin1(ProgressDialogStyleSheet));
    // Qt 6 shows a progress dialog only after its minimum duration; this one
    // is shown at once, before the first file.
    dialog->setMinimumDuration(0);
    dialog->setVisible(true);

    *c.cancelRequested = false;

    for (int i = 0; i < n; ++i) {
        if (dialog->wasCanceled()) {
            *c.cancelRequested = true;
            *c.totalFiles -= n - i;
            c.updateStatusBar();
            break;
        }
        dialog->setValue(i);
        dialog->update();

        const QString& path = paths.at(i);
        const QFileInfo info(path);
        if (path.isEmpty() || !info.isFile()) {
            *c.totalFiles -= 1;
        } else {
            dialog->setLabelText(ProgressLabel(info.fileName(), i, n));
            *c.totalFiles -= 1;

            VerifyThread* worker =
                new VerifyThread(info, c.model, c.totalFiles, c.succeededFiles, c.failedFiles, c.cancelRequested);
            *c.currentWorker = worker;
            if (c.window != nullptr)
                QObject::connect(worker, SIGNAL(UpdateStatusBar()), c.window, SLOT(UpdateStatusBar()));
            worker->start(QThread::InheritPriority);
            if (c.workerStarted)
                c.workerStarted(i, dialog);
            WaitFor(worker);
            delete worker;
            *c.currentWorker = nullptr;
        }

        dialog->update();
        c.updateStatusBar();
    }

    dialog->setValue(n);
    dialog->update();
    if (c.view != nullptr)
        c.view->scrollToTop();
    delete dialog;
}
