// Report records, exact in every format: columns and their order, quoting,
// the formula guard, escapes and the closing line.
#include "CoreFixtures.h"
#include "ReportWriter.h"
#include "Tally.h"
#include "TestRegistry.h"

using ardentix::engine::AuthResult;

using namespace testsupport;

Q_DECLARE_METATYPE(ReportOptions)

class TestReportWriter : public QObject
{
    Q_OBJECT

private slots:
    void csvField_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        const auto row = [](const char* title, const QString& value, const QString& field) {
            QTest::newRow(title) << value << field;
        };
        row("plain", "abc", "abc");
        row("empty", "", "");
        row("spaces are data", " a b ", " a b ");
        row("comma", "a,b", "\"a,b\"");
        row("quote", "say \"hi\"", "\"say \"\"hi\"\"\"");
        row("only a quote", "\"", "\"\"\"\"");
        row("LF", "a\nb", "\"a\nb\"");
        row("CR", "a\rb", "\"a\rb\"");
        row("non-ASCII", "Überwachung", "Überwachung");
        // Formulas are made text; only a leading trigger counts.
        row("equals", "=HYPERLINK(1)", "'=HYPERLINK(1)");
        row("plus", "+1", "'+1");
        row("minus", "-2+3", "'-2+3");
        row("at", "@SUM(A1)", "'@SUM(A1)");
        row("tab", "\tx", "'\tx");
        row("CR first, quoted", "\r=1", "\"'\r=1\"");
        row("formula with a comma", "=A1,B1", "\"'=A1,B1\"");
        row("a lone trigger", "-", "'-");
        row("trigger inside", "a=b-c", "a=b-c");
        row("apostrophe first", "'=x", "'=x");
    }

    void csvField()
    {
        QFETCH(QString, value);
        QFETCH(QString, field);
        QCOMPARE(ReportWriter::CsvField(value), field);
    }

    // Exact records in every format: columns and their order, null and 0,
    // escapes, quoting, the formula guard, padding and the warning.
    void records_data()
    {
        QTest::addColumn<ReportOptions>("options");
        QTest::addColumn<FileResult>("result");
        QTest::addColumn<QByteArray>("record");
        const auto row = [](const char* title, const ReportOptions& options, const FileResult& result,
                            const QByteArray& record) { QTest::newRow(title) << options << result << record; };
        const FileResult wide = Result("/c/\xe7\x9b\xa3.jpg", AuthResult::Authentic, 5000, true, 'a');
        FileResult formula = Result("/c/b,\"x\".avi", AuthResult::DigestMismatch, 5000, true, 'b');
        formula.record.VHSerial = "=1+2";
        const FileResult uncovered = Result("/c/u.mp4", AuthResult::Authentic, 3146276, true);
        const FileResult unreadable = Result("/c/caf\xe9\n.avi", AuthResult::Unreadable, -1, false);
        const FileResult tooShort = Result("/c/e.jpg", AuthResult::TooShort, 0, false);
        FileResult bare = Result("/c/n.avi", AuthResult::Authentic, 5000, false);
        bare.record.StartTime = "2012-05-14 09:30:00";
        // format, sha256, colour, the text path column's width
        const ReportOptions text{ReportFormat::Text, true, false, 10}, plain{ReportFormat::Text, false, false, 10},
            colour{ReportFormat::Text, false, true, 10}, json{ReportFormat::Json, true, false, 10},
            jsonNoSha{ReportFormat::Json, false, false, 10}, csv{ReportFormat::Csv, true, false, 10},
            csvNoSha{ReportFormat::Csv, false, false, 10};

        const QByteArray times = "2012-05-14 09:30:00  2012-05-14 09:35:00  VH-0042";
        row("text, wide name", text, wide, "authentic  /c/\xe7\x9b\xa3.jpg   " + times + "\n");
        row("text, failed", text, formula, "failed     /c/b,\"x\".avi  digest-mismatch\n");
        row("text, nothing covered", text, uncovered,
            "authentic  /c/u.mp4    " + times + "  WARNING: the watermark covers no byte of this file\n");
        row("text, name not UTF-8", text, unreadable, Shown("failed     /c/caf\\xE9\\x0A.avi  unreadable\n"));
        row("text, too short", text, tooShort, "failed     /c/e.jpg    too-short\n");
        row("text, only a start time", plain, bare, "authentic  /c/n.avi    2012-05-14 09:30:00\n");
        row("text, colour, authentic", colour, wide, "\x1b[32mauthentic\x1b[0m  /c/\xe7\x9b\xa3.jpg   " + times + "\n");
        row("text, colour, failed", colour, formula, "\x1b[31mfailed\x1b[0m     /c/b,\"x\".avi  digest-mismatch\n");

        const QByteArray fields = R"("camera_mac":"00:1A:2B:3C:4D:5E","end_time":"2012-05-14 09:35:00",)"
                                  R"("hmac":"0123456789abcdef0123456789abcdef","marker":"Quorvane Digital Watermark",)";
        const QByteArray serial = R"("serial":"VH-0042",)";
        const QByteArray tail = R"("start_time":"2012-05-14 09:30:00","time_source":"NTP","version":"1.0"})"
                                "\n";
        const QByteArray empty = R"("camera_mac":"","end_time":"","hmac":"","marker":"",)";
        const QByteArray emptyTail = R"("start_time":"","time_source":"","version":""})"
                                     "\n";
        row("json, wide name", json, wide,
            "{" + fields + "\"path\":\"/c/\xe7\x9b\xa3.jpg\"," +
                R"("protected_bytes":4488,"reason":null,"result":"authentic",)" + serial + "\"sha256\":\"" +
                QByteArray(64, 'a') + "\",\"size\":5000," + tail);
        row("json, nothing covered", json, uncovered,
            "{" + fields + R"("path":"/c/u.mp4","protected_bytes":0,"reason":null,"result":"authentic",)" + serial +
                R"("sha256":"","size":3146276,)" + tail);
        row("json, name not UTF-8", jsonNoSha, unreadable,
            Shown("{" + empty + R"("path":"/c/caf\\xE9\n.avi","protected_bytes":null,"reason":"unreadable",)" +
                  R"("result":"failed","serial":"","size":null,)" + emptyTail));
        row("json, too short", jsonNoSha, tooShort,
            "{" + empty + R"("path":"/c/e.jpg","protected_bytes":null,"reason":"too-short","result":"failed",)" +
                R"("serial":"","size":0,)" + emptyTail);

        const QByteArray mark = "2012-05-14 09:30:00,2012-05-14 09:35:00,";
        row("csv, quoted name, guarded serial", csv, formula,
            "\"/c/b,\"\"x\"\".avi\",failed,digest-mismatch," + mark + "'=1+2,1.0,NTP,00:1A:2B:3C:4D:5E," +
                QByteArray(64, 'b') + ",5000,4248\r\n");
        row("csv, nothing covered", csv, uncovered,
            "/c/u.mp4,authentic,," + mark + "VH-0042,1.0,NTP,00:1A:2B:3C:4D:5E,,3146276,0\r\n");
        row("csv, name not UTF-8", csv, unreadable, Shown("\"/c/caf\\xE9\n.avi\",failed,unreadable,,,,,,,,,\r\n"));
        row("csv, beyond 4 GiB", csvNoSha, Result("/c/h.avi", AuthResult::DigestMismatch, 5000000000, false),
            "/c/h.avi,failed,digest-mismatch,,,,,,,5000000000,4999999248\r\n");
        row("csv, too short", csvNoSha, tooShort, "/c/e.jpg,failed,too-short,,,,,,,0,\r\n");
    }

    void records()
    {
        QFETCH(ReportOptions, options);
        QFETCH(FileResult, result);
        QFETCH(QByteArray, record);
        QCOMPARE(ReportWriter(options).Record(result), record);
    }

    // The CSV header names the columns; the closing line counts what was
    // reported, and a cancelled file counts nowhere.
    void headerSummaryAndWidth()
    {
        const QByteArray columns = "path,result,reason,start_time,end_time,serial,version,time_source,camera_mac,";
        QCOMPARE(ReportWriter({ReportFormat::Csv, true}).Header(), columns + "sha256,size,protected_bytes\r\n");
        QCOMPARE(ReportWriter({ReportFormat::Csv, false}).Header(), columns + "size,protected_bytes\r\n");
        QCOMPARE(ReportWriter({ReportFormat::Text, false}).Header() + ReportWriter({ReportFormat::Json, true}).Header(),
                 QByteArray());

        Tally tally;
        for (AuthResult reason : {AuthResult::Authentic, AuthResult::DigestMismatch, AuthResult::Authentic,
                                  AuthResult::Unreadable, AuthResult::TooShort, AuthResult::Cancelled})
            tally.Add(Result("/c/x.avi", reason, 9, false));
        QCOMPARE(ReportWriter({ReportFormat::Text, false}).Summary(tally),
                 QByteArray("5 files: 2 authentic, 3 failed\n"));
        for (ReportFormat format : {ReportFormat::Json, ReportFormat::Csv})
            QCOMPARE(ReportWriter({format, false}).Summary(tally), QByteArray());

        QCOMPARE(ReportWriter::PathColumnWidth(QByteArray(70, 'x')), ReportWriter::MaxPathWidth);
#ifdef Q_OS_WIN // "caf\u00e9\u00e7\u203a\u00a3" in the ANSI code page
        QCOMPARE(ReportWriter::PathColumnWidth("caf\xe9\xe7\x9b\xa3"), 7);
#else // "caf\xE9" and a wide character
        QCOMPARE(ReportWriter::PathColumnWidth("caf\xe9\xe7\x9b\xa3"), 9);
#endif
    }
};

ARDENTIX_REGISTER_TEST(TestReportWriter)
#include "tst_reportwriter.moc"
