// The re-check of a saved report: how a file compares with its entry, which
// paths name the same file, and which lines a run gives.
#include "BatchVerifier.h"
#include "CheckWriter.h"
#include "CustodyCheck.h"
#include "ReportWriter.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace testsupport;

class TestCustodyCheck : public QObject
{
    Q_OBJECT

private slots:
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
        const ReportWriter writer({ReportFormat::Json, true});
        VerifyOptions withSha256;
        withSha256.sha256 = true;
        const QByteArray report = writer.Record(VerifyFile({at("a.avi"), 0, false}, withSha256)) +
                                  writer.Record(VerifyFile({at("copy.avi"), 0, false}, withSha256));
        QVERIFY(WriteFile(at("report.jsonl").toStdString(), report.toStdString()));
        QVERIFY(QFile::remove(dir.filePath("copy.avi")));
        QVERIFY(QFile::rename(dir.filePath("a.avi"), dir.filePath("moved.avi")));

        CustodyCheck check(at("report.jsonl"), {QFile::encodeName(dir.path())}, 2);
        QVERIFY2(check.Prepare(), qPrintable(check.ErrorText()));
        QStringList lines;
        CustodyCheck::Callbacks callbacks;
        callbacks.line = [&](const CustodyLine& line) {
            lines << QLatin1String(CheckWriter::StatusName(line.status)) + ' ' + QFileInfo(line.path).fileName() + ' ' +
                         QFileInfo(QFile::decodeName(line.newPath)).fileName();
        };
        QCOMPARE(check.Run(callbacks), CustodyCheck::Outcome::Done);
        QCOMPARE(lines, (QStringList{"moved a.avi moved.avi", "missing copy.avi "}));
    }
};

ARDENTIX_REGISTER_TEST(TestCustodyCheck)
#include "tst_custodycheck.moc"
