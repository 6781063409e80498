// What the tests of runs through the main window share: a folder for the
// files they verify, a genuine AVI export, and the status bar's line.
#ifndef ARDENTIX_TESTS_RUNFIXTURE_H
#define ARDENTIX_TESTS_RUNFIXTURE_H

#include "MainWindow.h"
#include "ResultModel.h"
#include "RunProgress.h"
#include "WatermarkWriter.h"

#include <QColor>
#include <QProgressDialog>
#include <functional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <string>

// A row's texts: name, verdict, start, stop, serial; then the verdict's colour.
inline QStringList RowAt(ResultModel* model, int row)
{
    QStringList texts;
    for (int c = 0; c < ResultModel::ColumnCount; ++c)
        texts << model->index(row, c).data().toString();
    return texts << model->index(row, ResultModel::VerdictColumn).data(Qt::ForegroundRole).value<QColor>().name();
}

// Calls hook as each file of the window's runs starts, for one test.
struct HookScope
{
    HookScope(MainWindow& window, const std::function<void(int, QProgressDialog*)>& hook)
        : connection(QObject::connect(&window, &MainWindow::FileStarted, hook))
    {
    }
    ~HookScope() { QObject::disconnect(connection); }
    QMetaObject::Connection connection;
};

class RunFixture : public QObject
{
protected:
    QTemporaryDir dir;
    const std::string avi =
        testsupport::MakeExport(testsupport::SampleMedia(testsupport::MediaType::Avi), testsupport::MediaType::Avi);

    // Writes bytes as name in the folder (its folders made) and gives the path.
    QString Write(const QString& name, const std::string& bytes)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        // UTF-8 reaches every name on Windows.
#ifdef Q_OS_WIN
        const QByteArray native = path.toUtf8();
#else
        const QByteArray native = QFile::encodeName(path);
#endif
        if (!testsupport::WriteFile(native.toStdString(), bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static QString StatusLine(int total, int succeeded, int failed)
    {
        return QStringLiteral("Total files: %1  Authentication succeeded: %2  Authentication failed: %3")
            .arg(total)
            .arg(succeeded)
            .arg(failed);
    }
};

#endif
