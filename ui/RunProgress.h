// What the user sees of a verification run: the modal progress dialog with
// the file in progress and Cancel, the new rows, and the status bar kept up
// to date.
#ifndef ARDENTIX_UI_RUNPROGRESS_H
#define ARDENTIX_UI_RUNPROGRESS_H

#include "RunObserver.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAbstractItemView;
class QLabel;
class QProgressDialog;
class QWidget;
class ResultModel;

// The progress dialog of a run or a re-check, modal, titled and styled as
// one; shown at once.
std::unique_ptr<QProgressDialog> NewProgressDialog(QWidget* parent, const QString& title, const QString& label,
                                                   int maximum);

// The dialog's bar counts this many steps per file, so that it moves within
// a large file.
int ProgressStepsPerFile(int fileCount);

// The progress label for entry index of count.
QString ProgressLabel(const QString& fileName, int index, int count);

class RunProgress final : public RunObserver
{
public:
    struct Hooks
    {
        // The status bar's counts changed.
        std::function<void()> changed;
        // The worker of entry index has started (tests press Cancel here,
        // or close the window); null when nobody listens.
        std::function<void(int index, QProgressDialog* dialog)> started;
    };

    // window is the dialog's parent and is disabled during a folder walk;
    // verdicts become rows of model, shown from the top of view.
    RunProgress(QWidget* window, ResultModel* model, QAbstractItemView* view, Hooks hooks);
    ~RunProgress() override;
    RunProgress(const RunProgress&) = delete;
    RunProgress& operator=(const RunProgress&) = delete;

    bool Walking() override;
    void Begin(int count) override;
    void FileStarted(int index, const FileJob& file, bool frameDue) override;
    void Frame(int index, qint64 done, qint64 size) override;
    bool Cancelled() const override;
    void Verified(const RowRecord& record) override;
    void Changed() override;
    void End() override;

private:
    void ShowFrame(int value);
    void SetLabel(int index);

    QWidget* m_window;
    ResultModel* m_model;
    QAbstractItemView* m_view;
    Hooks m_hooks;
    std::unique_ptr<QProgressDialog> m_dialog;
    QLabel* m_label = nullptr;
    bool m_walking = false;
    int m_count = 0;
    int m_steps = 0;
    int m_nameWidth = 0;
    int m_labelledIndex = -1;
    QString m_name;
};

#endif
