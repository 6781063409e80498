// The re-check's lines, exact in every format, and its closing line.
#include "CheckWriter.h"
#include "CoreFixtures.h"
#include "PathText.h"
#include "TestRegistry.h"

using ardentix::engine::AuthResult;

using namespace testsupport;

class TestCheckWriter : public QObject
{
    Q_OBJECT

private slots:
    void checkRecords()
    {
        const auto line = [](CustodyStatus status, const QByteArray& path, qint64 reportLine, AuthResult now,
                             const QByteArray& sha, bool then, const QString& thenReason, const QByteArray& thenSha,
                             const QStringList& changed, const QByteArray& newPath = QByteArray()) {
            return CustodyLine{
                status, PathText::ForReport(path), path, newPath, reportLine, now, sha, then, thenReason, thenSha,
                changed};
        };
        const CustodyLine unchanged =
            line(CustodyStatus::Unchanged, "/r/a.avi", 2, AuthResult::Authentic, "s1", true, "", "s1", {});
        const CustodyLine nowFailed = line(CustodyStatus::Modified, "/r/b.jpg", 3, AuthResult::DigestMismatch, "s2",
                                           true, "", "s1", {"sha256", "result", "reason"});
        const CustodyLine failedBoth = line(CustodyStatus::Modified, "/r/c,d.avi", 4, AuthResult::DigestMismatch, "s3",
                                            false, "digest-mismatch", "s4", {"sha256"});
        const CustodyLine otherFailure = line(CustodyStatus::Modified, "/r/d.jpg", 7, AuthResult::DigestMismatch, "s8",
                                              false, "bad-signature", "s8", {"reason"});
        const CustodyLine missing =
            line(CustodyStatus::Missing, "/r/e.avi", 5, AuthResult::Unreadable, "", true, "", "s5", {});
        const CustodyLine moved =
            line(CustodyStatus::Moved, "/r/f.avi", 6, AuthResult::Authentic, "s6", true, "", "s6", {}, "/r/g\xff.avi");
        const CustodyLine added =
            line(CustodyStatus::New, "/r/h.jpg", 0, AuthResult::BadSignature, "s7", false, "", "", {});

        const CheckWriter textWriter(ReportFormat::Text, 8);
        QCOMPARE(textWriter.Record(unchanged), QByteArray("unchanged  /r/a.avi  authentic\n"));
        QCOMPARE(textWriter.Record(nowFailed), QByteArray("modified   /r/b.jpg  authentic then, failed "
                                                          "(digest-mismatch) now; changed: sha256, result, reason\n"));
        QCOMPARE(textWriter.Record(failedBoth),
                 QByteArray("modified   /r/c,d.avi  failed (digest-mismatch) then and now; changed: sha256\n"));
        QCOMPARE(textWriter.Record(otherFailure), QByteArray("modified   /r/d.jpg  failed (bad-signature) then, "
                                                             "failed (digest-mismatch) now; changed: reason\n"));
        QCOMPARE(textWriter.Record(missing), QByteArray("missing    /r/e.avi  authentic then; no readable file now\n"));
        QCOMPARE(textWriter.Record(moved), Shown("moved      /r/f.avi  now at /r/g\\xFF.avi, authentic\n"));
        QCOMPARE(textWriter.Record(added), QByteArray("new        /r/h.jpg  failed (bad-signature)\n"));
        QCOMPARE(textWriter.Header(), QByteArray());

        const CheckWriter json(ReportFormat::Json, 0);
        QCOMPARE(json.Record(failedBoth),
                 QByteArray(R"({"changed":["sha256"],"new_path":null,"path":"/r/c,d.avi","reason":"digest-mismatch",)"
                            R"("report_line":4,"report_reason":"digest-mismatch","report_result":"failed",)"
                            R"("report_sha256":"s4","result":"failed","sha256":"s3","status":"modified"})"
                            "\n"));
        QCOMPARE(json.Record(moved),
                 Shown(R"({"changed":[],"new_path":"/r/g\\xFF.avi","path":"/r/f.avi","reason":null,)"
                       R"("report_line":6,"report_reason":null,"report_result":"authentic",)"
                       R"("report_sha256":"s6","result":"authentic","sha256":"s6","status":"moved"})"
                       "\n"));
        QCOMPARE(json.Record(added),
                 QByteArray(R"({"changed":[],"new_path":null,"path":"/r/h.jpg","reason":"bad-signature",)"
                            R"("report_line":null,"report_reason":null,"report_result":null,"report_sha256":null,)"
                            R"("result":"failed","sha256":"s7","status":"new"})"
                            "\n"));

        const CheckWriter csv(ReportFormat::Csv, 0);
        QCOMPARE(csv.Header(), QByteArray("status,path,report_line,new_path,result,reason,sha256,report_result,"
                                          "report_reason,report_sha256,changed\r\n"));
        QCOMPARE(csv.Record(nowFailed),
                 QByteArray("modified,/r/b.jpg,3,,failed,digest-mismatch,s2,authentic,,s1,sha256 result reason\r\n"));
        QCOMPARE(
            csv.Record(failedBoth),
            QByteArray("modified,\"/r/c,d.avi\",4,,failed,digest-mismatch,s3,failed,digest-mismatch,s4,sha256\r\n"));
        QCOMPARE(csv.Record(missing), QByteArray("missing,/r/e.avi,5,,failed,unreadable,,authentic,,s5,\r\n"));
        QCOMPARE(csv.Record(moved), Shown("moved,/r/f.avi,6,/r/g\\xFF.avi,authentic,,s6,authentic,,s6,\r\n"));
        QCOMPARE(csv.Record(added), QByteArray("new,/r/h.jpg,,,failed,bad-signature,s7,,,,\r\n"));

        QCOMPARE(CheckWriter::Summary({1, 2, 3, 4, 5}),
                 QByteArray("15 files: 1 unchanged, 2 modified, 3 missing, 4 moved, 5 new\n"));
    }
};

ARDENTIX_REGISTER_TEST(TestCheckWriter)
#include "tst_checkwriter.moc"
