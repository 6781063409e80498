// What the user sees of a verification run: the modal progress dialog with
// the file most recently done, the count of files done and Cancel, the new
// rows, and the status bar kept up to date.
#ifndef ARDENTIX_UI_RUNPROGRESS_H
#define ARDENTIX_UI_RUNPROGRESS_H

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAbstractItemView;
class QLabel;
class QProgressDialog;
class QWidget;
class ResultModel;
class RunController;

// The progress dialog of a run or a re-check, modal, titled and styled as
// one; shown at once.
std::unique_ptr<QProgressDialog> NewProgressDialog(QWidget* parent, const QString& title, const QString& label,
                                                   int maximum);

// The dialog's bar counts this many steps per file, so that it moves within
// a large file.
int ProgressStepsPerFile(int fileCount);

// The progress label once done of count entries are done, the last of them
// named fileName.
QString ProgressLabel(const QString& fileName, int done, int count);

class RunProgress final
{
public:
    // Shows what run does until it ends: window is the dialog's parent and
    // is disabled during a folder walk; verdicts become rows of model,
    // shown from the top of view; changed is called when the status bar's
    // counts change.
    RunProgress(QWidget* window, RunController& run, ResultModel* model, QAbstractItemView* view,
                std::function<void()> changed);
    ~RunProgress();
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

private:
    void Begin(int count, qint64 bytes);
    void Show(int done, qint64 bytes, bool now);
    void End();

    QWidget* m_window;
    RunController& m_run;
    ResultModel* m_model;
    QAbstractItemView* m_view;
    std::function<void()> m_changed;
    // The connections to the run live as long as this.
    QObject m_context;
    std::unique_ptr<QProgressDialog> m_dialog;
    QLabel* m_label = nullptr;
    QElapsedTimer m_sinceShown;
    bool m_walking = false;
    int m_count = 0;
    int m_steps = 0;
    qint64 m_bytes = 0;
    int m_nameWidth = 0;
    QString m_name;
};

#endif
