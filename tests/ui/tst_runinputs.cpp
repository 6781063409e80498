// What reaches a run through the main window: entries that are no files
// (special files among them), dropped paths, folders that cannot be listed,
// names in every code page and hostile names.
#include "PathText.h"
#include "PosixCalls.h"
#include "UiFixtures.h"

#include <QMimeData>

using namespace testsupport;

class TestRunInputs : public RunFixture
{
    Q_OBJECT

private slots:
    void skippedEntries()
    {
        // Entries that are no files are skipped: a folder, an empty path, a
        // file gone or never there, a loop of links. A FIFO and a link to a
        // device, named like recordings, fail with their reason, as in the
        // verifier (not on Windows, which has no FIFOs or devices among the
        // files).
        const QString gone = Write("gone.avi", avi);
        QStringList paths = {dir.path(), QString(), gone, Write("kept.avi", avi), dir.filePath("never.avi")};
        QVERIFY(QFile::remove(gone));
        QStringList failed;
#ifndef Q_OS_WIN
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo.avi")).constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", dir.filePath("zero.avi")));
        QVERIFY(QFile::link(dir.filePath("loop2.avi"), dir.filePath("loop1.avi")));
        QVERIFY(QFile::link(dir.filePath("loop1.avi"), dir.filePath("loop2.avi")));
        paths << dir.filePath("fifo.avi") << dir.filePath("zero.avi") << dir.filePath("loop1.avi");
        failed << "zero.avi|Authentication failed|The file is too short to hold a watermark."
               << "fifo.avi|Authentication failed|The file is too short to hold a watermark.";
#endif
        MainWindow w;
        int began = -1;
        QObject::connect(Runs(w), &RunController::Began, [&began](int count, qint64) { began = count; });
        w.VerifyFiles(paths);
        QCOMPARE(began, 1 + int(failed.size()));
        QStringList rows;
        for (int r = 0; r < w.ResultModel()->rowCount(); ++r) {
            const QModelIndex verdict = w.ResultModel()->index(r, ResultModel::VerdictColumn);
            rows << RowAt(w.ResultModel(), r).mid(0, 2).join('|') + '|' + verdict.data(Qt::ToolTipRole).toString();
        }
        QCOMPARE(rows, failed + QStringList{"kept.avi|Authentication succeeded|The file is authentic: its content "
                                            "matches its signed watermark."});
        QCOMPARE(Counts(w), Counts(1 + int(failed.size()), 1, int(failed.size())));
    }

    void unlistedFolder()
    {
        // A subfolder that cannot be listed gets a failed row of its own,
        // among the files in path order, saying why; so does a file that
        // cannot be read, saying that another program holds it on Windows.
        QTemporaryDir tree;
        const QString locked = tree.filePath("locked");
        QVERIFY(QDir().mkpath(locked));
        for (const char* name : {"locked/x.avi", "a.avi", "b.avi", "z.avi"})
            QVERIFY(WriteFile(NativePath(tree.filePath(name)).toStdString(), avi));
        MainWindow w;
        {
            const Unreadable folder(locked), file(tree.filePath("b.avi"));
            if (!folder.Locked() || !file.Locked())
                QSKIP("permissions do not apply to root");
            w.OpenPaths({NativePath(tree.path())});
        }
        QStringList rows;
        for (int r = 0; r < w.ResultModel()->rowCount(); ++r)
            rows << RowAt(w.ResultModel(), r).mid(0, 2).join('|');
        QCOMPARE(rows, QStringList({"z.avi|Authentication succeeded", "locked|Authentication failed",
                                    "b.avi|Authentication failed", "a.avi|Authentication succeeded"}));
        QCOMPARE(w.ResultModel()->index(1, ResultModel::VerdictColumn).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("The folder could not be listed: the files in it were not verified."));
#ifdef Q_OS_WIN
        const QString why = QStringLiteral("The file could not be read: another program has the file open.");
#else
        const QString why = QStringLiteral("The file could not be read.");
#endif
        QCOMPARE(w.ResultModel()->index(2, ResultModel::VerdictColumn).data(Qt::ToolTipRole).toString(), why);
        QCOMPARE(Counts(w), Counts(4, 2, 2));
    }

    void namesInEveryCodePage_data()
    {
        QTest::addColumn<QString>("way");
        for (const char* way : {"command line", "Open File(s)", "Open Folder", "drop"})
            QTest::newRow(way) << way;
    }

    // Files and folders named in the system's code page and outside it,
    // however they reach the window, each get their row under their name.
    // A drag that holds no local file is refused, and remote addresses
    // dropped among local files are never paths.
    void namesInEveryCodePage()
    {
        QFETCH(QString, way);
        const QString sub = QStringLiteral("names/") + QTest::currentDataTag();
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        QStringList files, folders, names;
        for (const QString name : {"Peter\u2019s clip", "\u043e\u0442\u0447\u0451\u0442",
                                   "\u76e3\u8996\u30ab\u30e1\u30e9", "\u8868\u793a", "a\u00e7\u00e3o \u20ac", "plain"})
            files << Write(sub + '/' + name + ".jpg", jpg);
        for (const QString name :
             {"Peter\u2019s folder", "\u043e\u0442\u0447\u0451\u0442", "\u76e3\u8996", "\u8868\u793a"}) {
            folders << QFileInfo(Write(sub + '/' + name + "/in " + name + ".jpg", jpg)).path();
        }
        for (const QString& path : way == "Open File(s)" ? files : files + folders)
            names += QFileInfo(path).isDir() ? "in " + QFileInfo(path).fileName() + ".jpg" : QFileInfo(path).fileName();
        struct Window : MainWindow
        {
            using MainWindow::dragEnterEvent;
            using MainWindow::dropEvent;
        } w;
        // A command line names paths as the system writes them; a dialog and
        // a drop give Qt's, with forward slashes.
        std::vector<QByteArray> paths;
        for (const QString& path : files + folders)
            paths.push_back(PathText::ToNative(QDir::toNativeSeparators(path)));
        if (way == "command line") {
            w.OpenPaths(paths);
        } else if (way == "Open File(s)") {
            w.VerifyFiles(files);
        } else if (way == "Open Folder") {
            w.OpenChosenFolder(dir.filePath(sub));
        } else {
            QMimeData remote, data;
            remote.setUrls({QUrl("https://example.com/x.avi")});
            data.setUrls(remote.urls());
            for (const QString& path : files + folders)
                data.setUrls(data.urls() << QUrl::fromLocalFile(path));
            for (QMimeData* mime : {&remote, &data}) {
                QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
                enter.ignore();
                w.dragEnterEvent(&enter);
                QCOMPARE(enter.isAccepted(), mime == &data);
                QDropEvent drop(QPointF(5, 5), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
                drop.ignore();
                w.dropEvent(&drop);
                QCOMPARE(drop.isAccepted(), mime == &data);
            }
            QTRY_COMPARE(w.TotalFiles(), int(names.size()));
        }
        QStringList rows;
        for (int r = 0; r < w.ResultModel()->rowCount(); ++r) {
            rows << w.ResultModel()->index(r, 0).data().toString();
            // Each way in reports the path with the system's separators.
            const QString path = PathText::ForReport(w.ResultModel()->Record(r).result.path);
            QCOMPARE(path, QDir::toNativeSeparators(path));
        }
        rows.sort();
        names.sort();
        QCOMPARE(rows, names);
        QCOMPARE(Counts(w), Counts(int(names.size()), int(names.size()), 0));
    }

    void hostileNames()
    {
        // Names that a label or a row could mangle reach the table as they are.
        ARDENTIX_SKIP_ON_WINDOWS("Windows names hold no line breaks or quotes");
        const QStringList names = {"new\nline.avi", "\"quoted\".avi", "100%2 %1.avi",
                                   QString::fromUtf8("report-\u202E4pm.avi")};
        // Control and reordering characters are shown escaped: no name can
        // break a line or pass an AVI off as an MP4.
        const QStringList shown = {"new\\x0Aline.avi", "\"quoted\".avi", "100%2 %1.avi",
                                   "report-\\xE2\\x80\\xAE4pm.avi"};
        QStringList paths;
        for (const QString& name : names)
            paths << Write("hostile/" + name, avi);
        MainWindow w;
        // The dialog's last label names the last file, as the table shows it.
        QString label;
        QObject::connect(Runs(w), &RunController::Ended, [&w, &label] {
            if (auto* dialog = w.findChild<QProgressDialog*>(QStringLiteral("runProgress")))
                label = dialog->labelText();
        });
        w.VerifyFiles(paths);
        QCOMPARE(label, ProgressLabel(shown.last(), int(names.size()), int(names.size())));
        QCOMPARE(w.SucceededFiles(), names.size());
        for (int i = 0; i < names.size(); ++i) {
            const QModelIndex index = w.ResultModel()->index(names.size() - 1 - i, 0);
            QCOMPARE(index.data().toString(), shown[i]);
            QVERIFY(index.data(Qt::ToolTipRole).toString().endsWith(QStringLiteral("/hostile/") + shown[i]));
        }
    }
};

ARDENTIX_REGISTER_TEST(TestRunInputs)
#include "tst_runinputs.moc"
