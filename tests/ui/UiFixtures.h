// What the window's tests share: the settings store, a sample case folder,
// results as the engine gives them, modal boxes answered and messages kept,
// the counts as the window shows them, and for the runs a folder for the
// files they verify and a genuine AVI export.
#ifndef ARDENTIX_TESTS_UI_UIFIXTURES_H
#define ARDENTIX_TESTS_UI_UIFIXTURES_H

#include "CoreFixtures.h"
#include "ExportFolder.h"
#include "Localisation.h"
#include "MainWindow.h"
#include "ResultModel.h"
#include "RunProgress.h"
#include "TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

inline QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane Inc."),
                     QStringLiteral("Quorvane Ardentix"));
}

// The window's parts, reached by their object names as a user's tools would.
inline QTreeView* View(const MainWindow& w)
{
    return w.findChild<QTreeView*>(QStringLiteral("resultView"));
}
inline QSortFilterProxyModel* Proxy(const MainWindow& w)
{
    return qobject_cast<QSortFilterProxyModel*>(View(w)->model());
}
inline RunController* Runs(const MainWindow& w)
{
    return w.findChild<RunController*>(QStringLiteral("runs"));
}
// The help window, a window of its own.
inline HelpWindow* HelpOf(const MainWindow&)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("helpWindow"))
            return qobject_cast<HelpWindow*>(widget);
    }
    return nullptr;
}

// Acts on the next modal dialog of type Dialog as soon as it is shown.
template <typename Dialog, typename Act> void OnNextModal(Act act)
{
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            act(dialog);
    });
}

// Closes the next message box as soon as it is shown, keeping its text.
inline void CloseNextModal(QString* text = nullptr)
{
    OnNextModal<QMessageBox>([text](QMessageBox* box) {
        if (text != nullptr)
            *text = box->text();
        box->accept();
    });
}

// The messages the window gives the user while this lives, kept unshown.
struct Messages : QStringList
{
    Messages()
    {
        LocalisationSeams::MessageHandler() = [this](const QString& text) { append(text); };
    }
    ~Messages() { LocalisationSeams::MessageHandler() = nullptr; }
    Q_DISABLE_COPY(Messages)
};

// The texts as the window shows them in the system's language.
inline QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// The window's rows, its counts and its status bar's line, in one text.
inline QString Counts(MainWindow& w)
{
    return QStringLiteral("rows %1, total %2, succeeded %3, failed %4; ")
               .arg(QString::number(w.ResultModel()->rowCount()), QString::number(w.TotalFiles()),
                    QString::number(w.SucceededFiles()), QString::number(w.FailedFiles())) +
           w.statusBar()->currentMessage();
}

// What Counts gives for a window of rows files, all of them counted, in the
// language of the catalogue loaded.
inline QString Counts(int rows, int succeeded, int failed)
{
    return QStringLiteral("rows %1, total %1, succeeded %2, failed %3; %4: %1  %5: %2  %6: %3")
        .arg(QString::number(rows), QString::number(succeeded), QString::number(failed), Tr("Total files"),
             Tr("Authentication succeeded"), Tr("Authentication failed"));
}

// The names in the window's rows, newest first.
inline QStringList Names(MainWindow& w)
{
    QStringList names;
    for (int r = 0; r < w.ResultModel()->rowCount(); ++r)
        names << w.ResultModel()->index(r, ResultModel::NameColumn).data().toString();
    return names;
}

// A row's texts: name, verdict, start, stop, serial; then the verdict's colour.
inline QStringList RowAt(ResultModel* model, int row)
{
    QStringList texts;
    for (int c = 0; c < ResultModel::ColumnCount; ++c)
        texts << model->index(row, c).data().toString();
    return texts << model->index(row, ResultModel::VerdictColumn).data(Qt::ForegroundRole).value<QColor>().name();
}

// The changed export's name holds a comma and quotes for the CSV quoting;
// single quotes on Windows, whose names hold no double quotes.
#ifdef Q_OS_WIN
#define TAMPERED "c, 'tampered'.avi"
#else
#define TAMPERED "c, \"tampered\".avi"
#endif

// A folder of four exports: the third changed after export, the fourth an
// MP4 whose watermark covers none of its bytes.
struct SampleFolder
{
    QTemporaryDir dir;
    SampleFolder()
    {
        using namespace testsupport;
        WriteFileAt(dir.filePath("cases/a.jpg"), MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg));
        // A serial number that a spreadsheet would run as a formula.
        WatermarkFields formula;
        formula.serial = "=1+2";
        WriteFileAt(dir.filePath("cases/b.avi"), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, formula));
        WriteFileAt(dir.filePath("cases/" TAMPERED),
                    Flip(MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi), 4000));
        WriteFileAt(dir.filePath("cases/d.mp4"), MakeExport(SampleMedia(MediaType::Mp4), MediaType::Mp4));
    }
};

// The runs' tests: a folder for the files they verify, a genuine AVI export.
using RunFixture = testsupport::ExportFolder;

// A result as the engine gives it, its serial number holding a control
// character where the watermark was read.
inline FileResult Result(const QByteArray& path, ardentix::engine::AuthResult reason, qint64 size, bool read,
                         char sha = 0)
{
    FileResult result = testsupport::Result(path, reason, size, read, sha);
    if (read)
        result.record.VHSerial = "VH-\x01"
                                 "42";
    return result;
}

// What a tool writes to its standard output; nothing when it did not run.
// The reports' tests read their PDFs with poppler's tools through it.
inline QByteArray ToolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput();
}

// The clauses of PDF/A-3b that the tools here can see: a sound structure, a
// line end before every "endstream", and every font embedded as a subset
// whose name carries the subset's tag.
inline void ExpectPdfA(const QString& path)
{
    const QByteArray pdf = testsupport::ReadFileAt(path);
    QVERIFY(pdf.count("endstream") > 0);
    QCOMPARE(pdf.count("endstream"), pdf.count("\nendstream"));
    if (!QStandardPaths::findExecutable("qpdf").isEmpty())
        QVERIFY(ToolOutput("qpdf", {"--check", path}).contains("No syntax or stream encoding errors"));
    const QList<QByteArray> fonts = ToolOutput("pdffonts", {path}).split('\n').mid(2);
    QVERIFY(fonts.size() > 1);
    for (const QByteArray& font : fonts) {
        const QList<QByteArray> columns = font.simplified().split(' ');
        if (columns.size() < 6)
            continue;
        // name type... emb sub uni object generation
        QVERIFY2(QRegularExpression("^[A-Z]{6}\\+").match(QString::fromLatin1(columns[0])).hasMatch(), font);
        QCOMPARE(columns[columns.size() - 5] + columns[columns.size() - 4], QByteArray("yesyes"));
    }
}

#endif
