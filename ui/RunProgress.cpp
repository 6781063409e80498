#include "RunProgress.h"

#include "PathText.h"
#include "ResultModel.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressDialog>

#include <climits>

namespace {

// The dialog's window flags and style sheet.
const Qt::WindowFlags kDialogFlags(0x37);
const char* const kStyleSheet =
    "QDialog {background-image: url(:/images/background_white.png);background-repeat: repeat-x;"
    "background-position: top center;}QProgressBar {text-align: center;}";
// The dialog keeps this width, whatever the file's name.
const int kDialogWidth = 520;

} // namespace

std::unique_ptr<QProgressDialog> NewProgressDialog(QWidget* parent, const QString& title, const QString& label,
                                                   int maximum)
{
    auto dialog = std::make_unique<QProgressDialog>(label, QObject::tr("Cancel"), 0, maximum, parent, kDialogFlags);
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setStyleSheet(QString::fromLatin1(kStyleSheet));
    // Qt 6 shows a progress dialog only after its minimum duration; this one
    // is shown at once.
    dialog->setMinimumDuration(0);
    dialog->setFixedWidth(kDialogWidth);
    return dialog;
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

RunProgress::RunProgress(QWidget* window, ResultModel* model, QAbstractItemView* view, Hooks hooks)
    : m_window(window), m_model(model), m_view(view), m_hooks(std::move(hooks))
{
}

RunProgress::~RunProgress()
{
    if (m_walking)
        m_window->setEnabled(true);
}

bool RunProgress::Walking()
{
    // The window is disabled during the walk and stays painted.
    if (!m_walking) {
        m_walking = true;
        m_window->setDisabled(true);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

void RunProgress::Begin(int count)
{
    if (m_walking) {
        m_walking = false;
        m_window->setEnabled(true);
    }
    m_count = count;
    m_steps = ProgressStepsPerFile(count);
    m_dialog =
        NewProgressDialog(m_window, QObject::tr("Quorvane Ardentix"), QObject::tr("Processing"), count * m_steps);
    // A fixed width: a long name is elided instead of pushing Cancel off
    // the screen.
    m_label = new QLabel(m_dialog.get());
    m_label->setWordWrap(false);
    m_dialog->setLabel(m_label);
    // What the label leaves for the name: the dialog's width less its
    // margins and the longest label without a name.
    m_nameWidth = qMax(80, m_dialog->width() - 48 -
                               QFontMetrics(m_label->font()).horizontalAdvance(ProgressLabel(QString(), count, count)));
    m_dialog->setVisible(true);
}

void RunProgress::SetLabel(int index)
{
    const QString name = QFontMetrics(m_label->font()).elidedText(m_name, Qt::ElideMiddle, m_nameWidth);
    m_dialog->setLabelText(ProgressLabel(name, index, m_count));
    m_labelledIndex = index;
}

void RunProgress::ShowFrame(int value)
{
    // Cancel hides the dialog. Setting its value afterwards would show it
    // again, modal, until the file in progress is done: once cancelled, only
    // events are processed, so the window is free while that file ends.
    if (!m_dialog->wasCanceled()) {
        m_dialog->setValue(value); // a modal dialog processes events here
        m_dialog->update();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RunProgress::FileStarted(int index, const FileJob& file, bool frameDue)
{
    m_name = PathText::FileNameForPeople(file.path);
    // The label names the file in progress; it is set at most once a frame,
    // and always before the first frame of a file is shown.
    if (frameDue || index == 0 || m_hooks.started)
        SetLabel(index);
    if (m_hooks.started)
        m_hooks.started(index, m_dialog.get());
    if (frameDue)
        ShowFrame(index * m_steps);
}

void RunProgress::Frame(int index, qint64 done, qint64 size)
{
    if (m_labelledIndex != index)
        SetLabel(index);
    const qint64 within = size > 0 ? qMin<qint64>(m_steps, done * m_steps / size) : 0;
    ShowFrame(index * m_steps + static_cast<int>(within));
}

bool RunProgress::Cancelled() const
{
    return m_dialog != nullptr && m_dialog->wasCanceled();
}

void RunProgress::Verified(const RowRecord& record)
{
    m_model->Add(record);
    Changed();
}

void RunProgress::Changed()
{
    if (m_hooks.changed)
        m_hooks.changed();
}

void RunProgress::End()
{
    if (!m_dialog->wasCanceled()) {
        m_dialog->setValue(m_count * m_steps);
        m_dialog->update();
    }
    m_view->scrollToTop();
    m_dialog.reset();
}
