// The re-check's lines, exact in every format, and its closing line.
#include "CheckWriter.h"
#include "CoreFixtures.h"
#include "PathText.h"
#include "TestRegistry.h"

using ardentix::engine::AuthResult;

using namespace testsupport;

Q_DECLARE_METATYPE(CustodyLine)

namespace {

// A re-check's line by named parts; what is not named is as for a new file.
struct Line
{
    CustodyLine line;

    Line(CustodyStatus status, const QByteArray& path)
    {
        line.status = status;
        line.path = PathText::ForReport(path);
        line.pathBytes = path;
    }
    Line& At(qint64 reportLine) { return line.reportLine = reportLine, *this; }
    Line& Now(AuthResult result, const QByteArray& sha) { return line.result = result, line.sha256 = sha, *this; }
    // The entry's verdict: authentic when reason is empty.
    Line& Then(const QString& reason, const QByteArray& sha)
    {
        line.reportAuthentic = reason.isEmpty();
        line.reportReason = reason;
        line.reportSha256 = sha;
        return *this;
    }
    Line& Changed(const QStringList& changed) { return line.changed = changed, *this; }
    Line& MovedTo(const QByteArray& path) { return line.newPath = path, *this; }
    operator CustodyLine() const { return line; }
};

} // namespace

class TestCheckWriter : public QObject
{
    Q_OBJECT

private slots:
    // Each line in the formats it is checked in (an empty expectation is
    // not checked).
    void record_data()
    {
        QTest::addColumn<CustodyLine>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("csv");
        const auto row = [](const char* name, const CustodyLine& line, const QByteArray& text, const QByteArray& json,
                            const QByteArray& csv) { QTest::newRow(name) << line << text << json << csv; };
        using S = CustodyStatus;
        const AuthResult mismatch = AuthResult::DigestMismatch;
        row("unchanged", Line(S::Unchanged, "/r/a.avi").At(2).Now(AuthResult::Authentic, "s1").Then("", "s1"),
            "unchanged  /r/a.avi  authentic\n", "", "");
        row("failed now",
            Line(S::Modified, "/r/b.jpg")
                .At(3)
                .Now(mismatch, "s2")
                .Then("", "s1")
                .Changed({"sha256", "result", "reason"}),
            "modified   /r/b.jpg  authentic then, failed (digest-mismatch) now; changed: sha256, result, reason\n", "",
            "modified,/r/b.jpg,3,,failed,digest-mismatch,s2,authentic,,s1,sha256 result reason\r\n");
        row("failed then and now",
            Line(S::Modified, "/r/c,d.avi").At(4).Now(mismatch, "s3").Then("digest-mismatch", "s4").Changed({"sha256"}),
            "modified   /r/c,d.avi  failed (digest-mismatch) then and now; changed: sha256\n",
            R"({"changed":["sha256"],"new_path":null,"path":"/r/c,d.avi","reason":"digest-mismatch",)"
            R"("report_line":4,"report_reason":"digest-mismatch","report_result":"failed",)"
            R"("report_sha256":"s4","result":"failed","sha256":"s3","status":"modified"})"
            "\n",
            "modified,\"/r/c,d.avi\",4,,failed,digest-mismatch,s3,failed,digest-mismatch,s4,sha256\r\n");
        row("another failure",
            Line(S::Modified, "/r/d.jpg").At(7).Now(mismatch, "s8").Then("bad-signature", "s8").Changed({"reason"}),
            "modified   /r/d.jpg  failed (bad-signature) then, failed (digest-mismatch) now; changed: reason\n", "",
            "");
        row("missing", Line(S::Missing, "/r/e.avi").At(5).Now(AuthResult::Unreadable, "").Then("", "s5"),
            "missing    /r/e.avi  authentic then; no readable file now\n", "",
            "missing,/r/e.avi,5,,failed,unreadable,,authentic,,s5,\r\n");
        row("moved",
            Line(S::Moved, "/r/f.avi").At(6).Now(AuthResult::Authentic, "s6").Then("", "s6").MovedTo("/r/g\xff.avi"),
            Shown("moved      /r/f.avi  now at /r/g\\xFF.avi, authentic\n"),
            Shown(R"({"changed":[],"new_path":"/r/g\\xFF.avi","path":"/r/f.avi","reason":null,)"
                  R"("report_line":6,"report_reason":null,"report_result":"authentic",)"
                  R"("report_sha256":"s6","result":"authentic","sha256":"s6","status":"moved"})"
                  "\n"),
            Shown("moved,/r/f.avi,6,/r/g\\xFF.avi,authentic,,s6,authentic,,s6,\r\n"));
        row("new", Line(S::New, "/r/h.jpg").Now(AuthResult::BadSignature, "s7"),
            "new        /r/h.jpg  failed (bad-signature)\n",
            R"({"changed":[],"new_path":null,"path":"/r/h.jpg","reason":"bad-signature",)"
            R"("report_line":null,"report_reason":null,"report_result":null,"report_sha256":null,)"
            R"("result":"failed","sha256":"s7","status":"new"})"
            "\n",
            "new,/r/h.jpg,,,failed,bad-signature,s7,,,,\r\n");
    }

    void record()
    {
        QFETCH(CustodyLine, line);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, csv);
        // The text format's path column is 8 wide; the others have none.
        const std::pair<ReportFormat, QByteArray> expected[] = {
            {ReportFormat::Text, text}, {ReportFormat::Json, json}, {ReportFormat::Csv, csv}};
        for (const auto& [format, bytes] : expected) {
            if (!bytes.isEmpty())
                QCOMPARE(CheckWriter(format, format == ReportFormat::Text ? 8 : 0).Record(line), bytes);
        }
    }

    void headerAndSummary()
    {
        QCOMPARE(CheckWriter(ReportFormat::Text, 8).Header(), QByteArray());
        QCOMPARE(CheckWriter(ReportFormat::Json, 0).Header(), QByteArray());
        QCOMPARE(CheckWriter(ReportFormat::Csv, 0).Header(),
                 QByteArray("status,path,report_line,new_path,result,reason,sha256,report_result,"
                            "report_reason,report_sha256,changed\r\n"));
        QCOMPARE(CheckWriter::Summary({1, 2, 3, 4, 5}),
                 QByteArray("15 files: 1 unchanged, 2 modified, 3 missing, 4 moved, 5 new\n"));
    }
};

ARDENTIX_REGISTER_TEST(TestCheckWriter)
#include "tst_checkwriter.moc"
