// The re-check of a saved report: how a file compares with its entry, which
// paths name the same file, and which lines a run gives.
#include "CheckWriter.h"
#include "CoreFixtures.h"
#include "CustodyCheck.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using ardentix::engine::AuthResult;

using namespace testsupport;

class TestCustodyCheck : public QObject
{
    Q_OBJECT

private slots:
    // A report's path and the file found under a PATH name the same file.
    void normalised_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("cwd"); // the working folder
        QTest::addColumn<QByteArray>("normalised");
        const auto row = [](const char* title, const char* path, const char* cwd, const char* normalised) {
            QTest::newRow(title) << QByteArray(path) << QByteArray(cwd) << QByteArray(normalised);
        };
        row("relative, with an empty and a dot component", "a//./b", "/cwd", "/cwd/a/b");
        row("dot-dot kept, final slash dropped", "/x/../y/", "/c", "/x/../y");
        row("the root", "/", "/c", "/");
        row("dot in a folder with a final slash", ".", "/c/", "/c");
        row("dot slash in the root", "./", "/", "/");
        row("a name", "b", "/c", "/c/b");
#ifdef Q_OS_WIN
        // A share keeps its two separators, a path on the current drive gets
        // the working folder's drive or share, the long-path prefix drops.
        row("a share", "\\\\s\\sh\\c.avi", "C:\\w", "//s/sh/c.avi");
        row("the current drive's root", "\\s\\sh\\c.avi", "c:\\w", "/C:/s/sh/c.avi");
        row("the current share's root", "\\x.avi", "\\\\s\\sh\\w", "//s/sh/x.avi");
        row("a share with the long-path prefix", "\\\\?\\UNC\\s\\sh\\c.avi", "C:\\w", "//s/sh/c.avi");
        row("a drive with the long-path prefix", "\\\\?\\c:\\l\\c.avi", "D:\\w", "/C:/l/c.avi");
#endif
    }

    void normalised()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, cwd);
        QFETCH(QByteArray, normalised);
        QCOMPARE(CustodyCheck::Normalised(path, cwd), normalised);
    }

    // How a file now compares with its report entry.
    void compare()
    {
        const QByteArray sha(64, 'd');
        ReportEntry authentic;
        authentic.authentic = true;
        authentic.sha256 = sha;
        authentic.Of(ReportFields::Field::Serial) = {QStringLiteral("VH-0042"), true, false};
        ReportEntry guarded = authentic;
        guarded.Of(ReportFields::Field::Serial) = {QStringLiteral("=1"), true, true};
        // Two fields changed are named in the watermark's order.
        ReportEntry twoFields = authentic;
        twoFields.Of(ReportFields::Field::Version) = {QStringLiteral("0.9"), true, false};
        ReportEntry unreadable;
        unreadable.reason = QStringLiteral("unreadable");
        const auto now = [&](AuthResult reason, const QByteArray& digest, const char* serial) {
            FileResult result = Result("/r/a.avi", reason, 5000, true);
            result.sha256 = digest;
            result.record.VHSerial = serial;
            return result;
        };
        struct Case
        {
            const ReportEntry* entry;
            FileResult now;
            CustodyStatus status;
            QStringList changed;
        };
        const QList<Case> cases = {
            {&authentic, now(AuthResult::Authentic, sha, "VH-0042"), CustodyStatus::Unchanged, {}},
            {&authentic,
             now(AuthResult::Authentic, QByteArray(64, 'e'), "VH-0042"),
             CustodyStatus::Modified,
             {"sha256"}},
            {&authentic, now(AuthResult::Unreadable, "", ""), CustodyStatus::Missing, {}},
            {&authentic,
             now(AuthResult::DigestMismatch, sha, "VH-0042"),
             CustodyStatus::Modified,
             {"result", "reason"}},
            {&authentic, now(AuthResult::Authentic, sha, "VH-0043"), CustodyStatus::Modified, {"serial"}},
            {&twoFields, now(AuthResult::Authentic, sha, "VH-0043"), CustodyStatus::Modified, {"version", "serial"}},
            {&guarded, now(AuthResult::Authentic, sha, "=1"), CustodyStatus::Unchanged, {}},
            {&guarded, now(AuthResult::Authentic, sha, "'=1"), CustodyStatus::Unchanged, {}},
            {&guarded, now(AuthResult::Authentic, sha, "1"), CustodyStatus::Modified, {"serial"}},
            {&unreadable, now(AuthResult::Unreadable, "", "x"), CustodyStatus::Unchanged, {}},
            {&unreadable, now(AuthResult::TooShort, sha, ""), CustodyStatus::Modified, {"sha256", "reason"}}};
        for (const Case& c : cases) {
            QStringList changed{QStringLiteral("stale")};
            QCOMPARE(CheckWriter::StatusName(CustodyCheck::Compare(*c.entry, c.now, &changed)),
                     CheckWriter::StatusName(c.status));
            QCOMPARE(changed, c.changed);
        }
    }

    // Two entries with the same SHA-256 are both missing and one file under
    // the path has that SHA-256: the first entry has moved there, the
    // second is missing, and no file is new.
    void movedIsClaimedOnce()
    {
        QTemporaryDir dir;
        const auto at = [&](const char* name) { return QFile::encodeName(dir.filePath(QString::fromUtf8(name))); };
        const std::string avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        QVERIFY(WriteFile(at("a.avi").toStdString(), avi));
        QVERIFY(WriteFile(at("copy.avi").toStdString(), avi));
        const QByteArray report = ReportOf(ReportFormat::Json, {at("a.avi"), at("copy.avi")});
        QVERIFY(WriteFile(at("report.jsonl").toStdString(), report.toStdString()));
        QVERIFY(QFile::remove(dir.filePath("copy.avi")));
        QVERIFY(QFile::rename(dir.filePath("a.avi"), dir.filePath("moved.avi")));

        CustodyCheck check(at("report.jsonl"), {QFile::encodeName(dir.path())}, 2);
        QVERIFY2(check.Prepare(), qPrintable(check.Problem().report));
        QStringList lines;
        CustodyCheck::Callbacks callbacks;
        callbacks.line = [&](const CustodyLine& line) {
            lines << QLatin1String(CheckWriter::StatusName(line.status)) + ' ' + QFileInfo(line.path).fileName() + ' ' +
                         QFileInfo(QFile::decodeName(line.newPath)).fileName();
        };
        QCOMPARE(check.Run(callbacks), CustodyCheck::Outcome::Done);
        QCOMPARE(lines, (QStringList{"moved a.avi moved.avi", "missing copy.avi "}));

        // Stopped, it gives no line at all: without every file under the
        // path, a moved file would show as missing and new.
        const std::atomic<bool> stop{true};
        CustodyCheck stopped(at("report.jsonl"), {QFile::encodeName(dir.path())}, 2);
        QVERIFY(stopped.Prepare());
        lines.clear();
        QCOMPARE(stopped.Run(callbacks, &stop), CustodyCheck::Outcome::Stopped);
        QCOMPARE(lines, QStringList());
    }

    // The line names the file that was verified: a CSV shows a file really
    // named "'=x.avi" as a formula-guarded "=x.avi". The report is named by
    // the SHA-256 of the bytes compared, and one replaced between the two
    // readings is refused rather than named beside the other's comparison.
    void reportAsCompared()
    {
        QTemporaryDir dir;
        const auto at = [&](const char* name) { return QFile::encodeName(dir.filePath(QString::fromUtf8(name))); };
        QVERIFY(WriteFile(at("'=x.avi").toStdString(), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)));
        const QByteArray report = ReportOf(ReportFormat::Csv, {at("'=x.avi")});
        QVERIFY(WriteFile(at("r.csv").toStdString(), report.toStdString()));
        QStringList lines;
        CustodyCheck::Callbacks callbacks;
        callbacks.line = [&](const CustodyLine& line) {
            lines << QLatin1String(CheckWriter::StatusName(line.status)) + ' ' + line.path + ' ' +
                         QFile::decodeName(line.pathBytes);
        };
        CustodyCheck check(at("r.csv"), {}, 1);
        QVERIFY(check.Prepare());
        QCOMPARE(check.Run(callbacks), CustodyCheck::Outcome::Done);
        QCOMPARE(lines, QStringList({"unchanged " + dir.filePath("'=x.avi") + ' ' + dir.filePath("'=x.avi")}));
        QCOMPARE(QString::fromLatin1(check.ReportSha256()), Sha256Hex(report.toStdString()));

        CustodyCheck replaced(at("r.csv"), {}, 1);
        QVERIFY(replaced.Prepare());
        QVERIFY(WriteFile(at("r.csv").toStdString(), (report + report.mid(report.indexOf('\n') + 1)).toStdString()));
        QCOMPARE(replaced.Run(callbacks), CustodyCheck::Outcome::ReportFailed);
        QCOMPARE(replaced.Problem().code, ReportProblem::Code::Changed);
        QVERIFY(replaced.ReportSha256().isEmpty());
    }
};

ARDENTIX_REGISTER_TEST(TestCustodyCheck)
#include "tst_custodycheck.moc"
