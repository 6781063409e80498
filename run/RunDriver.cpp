#include "RunDriver.h"

#include "InputCollector.h"
#include "PathInfo.h"
#include "PathText.h"
#include "RunState.h"
#include "VerifyThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressDialog>
#include <QTreeView>

#include <climits>

const char* const ProgressDialogStyleSheet =
    "QDialog {background-image: url(:/images/background_white.png);background-repeat: repeat-x;"
    "background-position: top center;}QProgressBar {text-align: center;}";

namespace {

// The dialog and the table are repainted at most this often: a run of many
// small files is then limited by the engine, not by painting.
const qint64 kFrameMs = 33;
// The dialog keeps this width, whatever the file's name.
const int kDialogWidth = 520;

// Marks the state busy for as long as it lives.
class BusyScope
{
public:
    explicit BusyScope(RunState& state) : m_state(state) { m_state.busy = true; }
    ~BusyScope() { m_state.busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    RunState& m_state;
};

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
    return QObject::tr("Processing") +
           QStringLiteral(" %1...(%2/%3)").arg(fileName, QString::number(index), QString::number(count));
}

RunDriver::RunDriver(QWidget* window, const ResultTable& table, RunState& state, std::function<void()> updateStatusBar)
    : m_window(window), m_table(table), m_state(state), m_updateStatusBar(std::move(updateStatusBar))
{
}

void RunDriver::OpenPaths(const std::vector<QByteArray>& paths)
{
    if (m_state.busy || m_state.stopRequested || paths.empty())
        return;
    std::vector<FileJob> files;
    {
        const BusyScope busy(m_state);
        m_window->setDisabled(true);
        // The walk takes names as the system's bytes, so files whose names
        // are not UTF-8 are verified too, and reports subfolders it cannot
        // list. The window stays painted, and a close stops the walk.
        const WalkTick tick = [this] {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            return !m_state.stopRequested;
        };
        for (const QByteArray& path : paths) {
            if (m_state.stopRequested)
                break;
            InputCollector::CollectOne(path, files, tick);
        }
        m_window->setEnabled(true);
    }
    Verify(files);
}

void RunDriver::Verify(const std::vector<FileJob>& files)
{
    if (m_state.busy || m_state.stopRequested)
        return;
    const BusyScope busy(m_state);
    Run(files);
}

void RunDriver::Run(const std::vector<FileJob>& files)
{
    const int n = static_cast<int>(files.size());
    const int steps = ProgressStepsPerFile(n);
    m_state.notReached += n;
    m_updateStatusBar();

    QProgressDialog* dialog = new QProgressDialog(QObject::tr("Processing"), QObject::tr("Cancel"), 0, n * steps,
                                                  m_window, Qt::WindowFlags(ProgressDialogFlags));
    dialog->setWindowTitle(QObject::tr("Quorvane Ardentix"));
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

    m_state.cancelRequested = false;
    QElapsedTimer sinceFrame;
    sinceFrame.start();
    // Cancel hides the dialog. Setting its value afterwards would show it
    // again, modal, until the file in progress is done: once cancelled, only
    // events are processed, so the window is free while that file ends.
    const auto showFrame = [&](int value) {
        if (!dialog->wasCanceled()) {
            dialog->setValue(value); // a modal dialog processes events here
            dialog->update();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        sinceFrame.restart();
    };
    // The label names the file in progress; it is set at most once a frame,
    // and always before the first frame of a file is shown.
    int labelledIndex = -1;
    const auto setLabel = [&](int index) {
        const QString name = QFontMetrics(label->font())
                                 .elidedText(PathText::FileNameForPeople(files[static_cast<std::size_t>(index)].path),
                                             Qt::ElideMiddle, nameWidth);
        dialog->setLabelText(ProgressLabel(name, index, n));
        labelledIndex = index;
    };

    for (int i = 0; i < n; ++i) {
        if (dialog->wasCanceled()) {
            m_state.cancelRequested = true;
            m_state.notReached -= n - i;
            m_updateStatusBar();
            break;
        }
        if (m_state.stopRequested) {
            m_state.notReached -= n - i;
            break;
        }
        const bool frameDue = sinceFrame.elapsed() >= kFrameMs;

        const FileJob& file = files[static_cast<std::size_t>(i)];
        // The file counts as not reached until its row is written, so that
        // the total never drops while it is verified.
        if (!file.path.isEmpty() && (file.unreadableFolder || PathInfo::IsFile(file.path))) {
            if (frameDue || i == 0 || WorkerStartedHook())
                setLabel(i);

            VerifyThread* worker = new VerifyThread(file, m_table.model, &m_state);
            worker->SetSha256(m_sha256);
            m_state.currentWorker = worker;
            QObject::connect(worker, &VerifyThread::UpdateStatusBar, [this] { m_updateStatusBar(); });
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
            m_state.notReached -= 1;
            worker->WriteRow();
            delete worker;
            m_state.currentWorker = nullptr;
        } else {
            m_state.notReached -= 1;
        }
        m_updateStatusBar();
    }

    if (!dialog->wasCanceled()) {
        dialog->setValue(n * steps);
        dialog->update();
    }
    m_table.view->scrollToTop();
    delete dialog;
}
