#include "RunDriver.h"

#include "ResultRow.h"
#include "VerifyThread.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QStandardItemModel>

#include <climits>
#include <filesystem>
#include <system_error>

const char* const ProgressDialogStyleSheet =
    "QDialog {background-image: url(:/images/background_white.png);background-repeat: repeat-x;"
    "background-position: top center;}QProgressBar {text-align: center;}";

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// The dialog and the table are repainted at most this often: a run of many
// small files is then limited by the engine, not by painting.
const qint64 kFrameMs = 33;
// The dialog keeps this width, whatever the file's name.
const int kDialogWidth = 520;

bool IsRegularFile(const QByteArray& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path.toStdString()), error);
}

} // namespace

std::function<void(int, QProgressDialog*)>& WorkerStartedHook()
{
    static std::function<void(int, QProgressDialog*)> hook;
    return hook;
}

int ProgressStepsPerFile(int fileCount)
{
    const int steps = 1000;
    return fileCount > 0 && fileCount > INT_MAX / steps ? INT_MAX / fileCount : steps;
}

QString ProgressLabel(const QString& fileName, int index, int count)
{
    // One substitution for all three: a name holding "%2" must show as is.
    return Tr("Processing") +
           QStringLiteral(" %1...(%2/%3)").arg(fileName, QString::number(index), QString::number(count));
}

void RunVerification(const std::vector<FileJob>& files, RunContext& c)
{
    const int n = static_cast<int>(files.size());
    const int steps = ProgressStepsPerFile(n);
    *c.totalFiles += n;
    c.updateStatusBar();

    QProgressDialog* dialog = new QProgressDialog(Tr("Processing"), Tr("Cancel"), 0, n * steps, c.window,
                                                  Qt::WindowFlags(ProgressDialogFlags));
    dialog->setWindowTitle(Tr("Quorvane Ardentix"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setStyleSheet(QString::fromLatin1(ProgressDialogStyleSheet));
    // Qt 6 shows a progress dialog only after its minimum duration; this one
    // is shown at once, before the first file.
    dialog->setMinimumDuration(0);
    // A fixed width: a long name is elided instead of pushing Cancel off
    // the screen.
    QLabel* label = new QLabel(dialog);
    label->setWordWrap(false);
    dialog->setLabel(label);
    dialog->setFixedWidth(kDialogWidth);
    // What the label leaves for the name: the dialog's width less its
    // margins and the longest label without a name.
    const int nameWidth =
        qMax(80, kDialogWidth - 48 - QFontMetrics(label->font()).horizontalAdvance(ProgressLabel(QString(), n, n)));
    dialog->setVisible(true);

    *c.cancelRequested = false;
    QElapsedTimer sinceFrame;
    sinceFrame.start();
    const auto showFrame = [&](int value) {
        dialog->setValue(value); // a modal dialog processes events here
        dialog->update();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        sinceFrame.restart();
    };
    const auto stopped = [&c] { return c.stopRequested != nullptr && c.stopRequested->load(); };
    // The label names the file in progress; it is set at most once a frame,
    // and always before the first frame of a file is shown.
    int labelledIndex = -1;
    const auto setLabel = [&](int index) {
        const QString name = QFontMetrics(label->font())
                                 .elidedText(ResultRow::DisplayName(files[static_cast<std::size_t>(index)].path),
                                             Qt::ElideMiddle, nameWidth);
        dialog->setLabelText(ProgressLabel(name, index, n));
        labelledIndex = index;
    };

    for (int i = 0; i < n; ++i) {
        if (dialog->wasCanceled()) {
            *c.cancelRequested = true;
            *c.totalFiles -= n - i;
            c.updateStatusBar();
            break;
        }
        if (stopped()) {
            *c.totalFiles -= n - i;
            break;
        }
        const bool frameDue = sinceFrame.elapsed() >= kFrameMs;

        const FileJob& file = files[static_cast<std::size_t>(i)];
        if (file.path.isEmpty() || (!file.unreadableFolder && !IsRegularFile(file.path))) {
            *c.totalFiles -= 1;
        } else {
            if (frameDue || i == 0 || WorkerStartedHook())
                setLabel(i);
            *c.totalFiles -= 1;

            VerifyThread* worker = new VerifyThread(file, c.model, c.totalFiles, c.succeededFiles, c.failedFiles,
                                                    c.cancelRequested, c.stopRequested);
            worker->SetSha256(c.sha256);
            *c.currentWorker = worker;
            QObject::connect(worker, &VerifyThread::UpdateStatusBar, [&c] { c.updateStatusBar(); });
            worker->start(QThread::InheritPriority);
            if (WorkerStartedHook())
                WorkerStartedHook()(i, dialog);
            if (frameDue)
                showFrame(i * steps);
            // Wait for the worker, keeping the dialog painted, its bar moving
            // within the file and Cancel live, a frame at a time.
            while (!worker->wait(QDeadlineTimer(qMax<qint64>(1, kFrameMs - sinceFrame.elapsed())))) {
                if (labelledIndex != i)
                    setLabel(i);
                const qint64 size = worker->Size();
                const qint64 within = size > 0 ? qMin<qint64>(steps, worker->BytesDone() * steps / size) : 0;
                showFrame(i * steps + static_cast<int>(within));
            }
            worker->WriteRow();
            delete worker;
            *c.currentWorker = nullptr;
        }
        c.updateStatusBar();
    }

    dialog->setValue(n * steps);
    dialog->update();
    if (c.view != nullptr)
        c.view->scrollToTop();
    delete dialog;
}
