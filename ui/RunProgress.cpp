#include "RunProgress.h"

#include "PathText.h"
#include "ResultModel.h"
#include "RunController.h"

#include <QAbstractItemView>
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

QString ProgressLabel(const QString& fileName, int done, int count)
{
    // One substitution for all three: a name holding "%2" must show as is.
    return QObject::tr("Processing") +
           QStringLiteral(" %1...(%2/%3)").arg(fileName, QString::number(done), QString::number(count));
}

RunProgress::RunProgress(QWidget* window, RunController& run, ResultModel* model, QAbstractItemView* view,
                         std::function<void()> changed)
    : m_window(window), m_run(run), m_model(model), m_view(view), m_changed(std::move(changed))
{
    QObject::connect(&run, &RunController::Walking, &m_context, [this] {
        // The window is disabled during the walk, and stays painted.
        m_walking = true;
        m_window->setDisabled(true);
    });
    QObject::connect(&run, &RunController::Began, &m_context, [this](int count, qint64 bytes) { Begin(count, bytes); });
    QObject::connect(&run, &RunController::Verified, &m_context, [this](const QList<RowRecord>& records) {
        m_name = PathText::FileNameForPeople(records.last().result.path);
        m_model->Add(records);
    });
    QObject::connect(&run, &RunController::Progress, &m_context,
                     [this](int done, qint64 bytes) { Show(done, bytes, done == m_count); });
    QObject::connect(&run, &RunController::Changed, &m_context, [this] {
        if (m_changed)
            m_changed();
    });
    QObject::connect(&run, &RunController::Ended, &m_context, [this] { End(); });
}

RunProgress::~RunProgress()
{
    if (m_walking)
        m_window->setEnabled(true);
}

void RunProgress::Begin(int count, qint64 bytes)
{
    if (m_walking) {
        m_walking = false;
        m_window->setEnabled(true);
    }
    m_count = count;
    m_bytes = bytes;
    m_steps = ProgressStepsPerFile(count);
    m_dialog =
        NewProgressDialog(m_window, QObject::tr("Quorvane Ardentix"), QObject::tr("Processing"), count * m_steps);
    m_dialog->setObjectName(QStringLiteral("runProgress"));
    // A fixed width: a long name is elided instead of pushing Cancel off
    // the screen.
    m_label = new QLabel(m_dialog.get());
    m_label->setWordWrap(false);
    m_dialog->setLabel(m_label);
    // What the label leaves for the name: the dialog's width less its
    // margins and the longest label without a name.
    m_nameWidth = qMax(80, m_dialog->width() - 48 -
                               QFontMetrics(m_label->font()).horizontalAdvance(ProgressLabel(QString(), count, count)));
    // Cancel stops every file in progress at once.
    QObject::connect(m_dialog.get(), &QProgressDialog::canceled, &m_context, [this] { m_run.Cancel(); });
    m_dialog->setVisible(true);
    m_sinceShown.start();
}

void RunProgress::Show(int done, qint64 bytes, bool now)
{
    // Cancel hides the dialog, and setting its value would show it again.
    // The dialog is brought up to date a frame at a time: a run of many
    // small files is limited by the engine, not by painting.
    if (m_dialog == nullptr || m_dialog->wasCanceled() || (!now && m_sinceShown.elapsed() < 33))
        return;
    m_sinceShown.restart();
    const QString name = QFontMetrics(m_label->font()).elidedText(m_name, Qt::ElideMiddle, m_nameWidth);
    m_dialog->setLabelText(ProgressLabel(name, done, m_count));
    const qint64 most = qint64(m_count) * m_steps;
    const qint64 byBytes = m_bytes > 0 ? qMin(most, bytes * most / m_bytes) : 0;
    m_dialog->setValue(static_cast<int>(qMax(byBytes, qint64(done) * m_steps)));
}

void RunProgress::End()
{
    if (m_dialog != nullptr && !m_dialog->wasCanceled())
        m_dialog->setValue(m_count * m_steps);
    m_view->scrollToTop();
    m_dialog.reset();
}
