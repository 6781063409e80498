// Reports written and read back: records exact in every format (columns and
// their order, quoting, the formula guard, escapes and the closing line); how
// each report is read, why one is refused, a name's bytes from its text, and
// that whatever a report holds reads back as written.
#include "CoreFixtures.h"
#include "PathText.h"
#include "PosixCalls.h"
#include "ReportReader.h"
#include "ReportWriter.h"
#include "Tally.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using ardentix::engine::AuthResult;
using ardentix::engine::AuthResultName;
using ardentix::engine::WatermarkRecord;

using namespace testsupport;
using namespace ReportFields;
using Code = ReportProblem::Code;
Q_DECLARE_METATYPE(ReportProblem::Code)
Q_DECLARE_METATYPE(ReportOptions)

namespace {

FileResult RandomResult(QRandomGenerator& random)
{
    const auto bytes = [&random](int most) {
        QByteArray out;
        const int length = random.bounded(most + 1);
        for (int i = 0; i < length; ++i) {
            // Mostly printable ASCII, with controls, quotes, commas and high
            // bytes mixed in.
            const int pick = random.bounded(10);
            if (pick < 5)
                out += char(0x20 + random.bounded(0x5f));
            else if (pick < 6)
                out += "\",\r\n\\"[random.bounded(5)];
            else
                out += char(random.bounded(1, 256));
        }
        return out;
    };
    FileResult result;
    result.path = bytes(40);
    if (result.path.isEmpty())
        result.path = "x";
    // Every reason a report holds; no SHA-256 where the file could not be
    // read or hashed, as the verifier writes them.
    result.result = static_cast<AuthResult>(random.bounded(int(AuthResult::InternalError) + 1));
    if (result.result == AuthResult::Cancelled)
        result.result = AuthResult::BadMarker;
    WatermarkRecord& r = result.record;
    for (std::string* field :
         {&r.Marker, &r.Version, &r.HMAC, &r.StartTime, &r.EndTime, &r.TimeSource, &r.VHSerial, &r.CamMAC})
        *field = bytes(12).toStdString();
    if (result.result != AuthResult::Unreadable && result.result != AuthResult::InternalError)
        result.sha256 = QByteArray::number(random.generate64(), 16).repeated(4).rightJustified(64, '0').left(64);
    return result;
}

// Reads a whole report: its entries' "path|sha256-prefix|reason|size|serial",
// the problem, if any, and the SHA-256 that names it once read whole.
QStringList ReadBack(const QString& file, ReportProblem* problem, QByteArray* sha256)
{
    ReportReader reader;
    QStringList entries;
    ReportEntry entry;
    if (reader.Open(QFile::encodeName(file))) {
        while (reader.Next(entry))
            entries << QStringLiteral("%1|%2|%3|%4|%5")
                           .arg(entry.path, QString::fromLatin1(entry.sha256.left(4)), entry.reason)
                           .arg(entry.size)
                           .arg(entry.Of(ReportFields::Field::Serial).text);
    }
    *problem = reader.Problem();
    *sha256 = reader.Sha256();
    return entries;
}

} // namespace

class TestReportFiles : public QObject
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
    // Reports as found on disk: how each is read, and why one is refused,
    // with the line. "D" stands for a valid SHA-256.
    void readBack_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QStringList>("entries"); // path|sha256|reason|size|serial
        QTest::addColumn<Code>("problem");
        QTest::addColumn<qint64>("line"); // of the problem

        const QByteArray header = "path,result,reason,start_time,end_time,serial,version,time_source,camera_mac,"
                                  "sha256,size,protected_bytes\r\n";
        const QByteArray json = R"({"path":"a.jpg","result":"authentic","reason":null,"sha256":"D"})";
        const auto row = [](const char* title, const QByteArray& report, const QStringList& entries,
                            Code problem = Code::None, qint64 line = 0) {
            QTest::newRow(title) << QByteArray(report).replace("D", QByteArray(64, 'd')) << entries << problem << line;
        };
        row("JSON Lines",
            json + "\n\n" + R"({"path":"b.jpg","result":"failed","reason":"bad-marker","serial":"VH","size":5,)" +
                R"("sha256":"D"})" + "\n",
            {"a.jpg|dddd||-1|", "b.jpg|dddd|bad-marker|5|VH"});
        row("CSV, quoted path over three lines, formula guards, a blank line",
            header + "\"a\r\nb,\"\"c\"\"\nd.avi\",failed,digest-mismatch,,,'=1,,,,D,1,1\r\n" +
                "'=1+2.jpg,failed,'-,,,,,,,D,,\r\n\r\n'x.jpg,failed,unreadable,,,'x,,,,,,\r\n",
            {"a\r\nb,\"c\"\nd.avi|dddd|digest-mismatch|1|=1", "=1+2.jpg|dddd|-|-1|", "'x.jpg||unreadable|-1|'x"});
        row("CSV with LF line ends and only its header", QByteArray(header).replace("\r", ""), {});
        row("CSV after a byte order mark", "\xEF\xBB\xBF" + header + "a.jpg,authentic,,,,,,,,D,7,1\r\n",
            {"a.jpg|dddd||7|"});
        row("JSON after blank lines", " \n\r\n" + json + "\n", {"a.jpg|dddd||-1|"});
        row("CSV row with a field too many", header + "a.jpg,authentic,,,,,,,,D,1,1,x\r\n", {}, Code::FieldCount, 2);
        row("foreign CSV", "name,size\r\na,1\r\n", {}, Code::NotOurs, 1);
        row("JSON cut off", json + "\n" + json.left(30), {"a.jpg|dddd||-1|"}, Code::CutOff, 2);
        row("CSV cut off in a quoted field", header + "\"a\nb", {}, Code::CutOff, 3);
        row("CSV without sha256", "path,result,reason,size\r\n", {}, Code::CsvWithoutSha256, 1);
        row("JSON without sha256", QByteArray(json).replace(",\"sha256\":\"D\"", "") + "\n", {},
            Code::JsonWithoutSha256, 1);
        row("authentic without SHA-256", QByteArray(json).replace("\"D\"", "\"\"") + "\n", {}, Code::NoSha256, 1);
        row("SHA-256 not hexadecimal", QByteArray(json).replace("\"D\"", "\"" + QByteArray(64, 'z') + "\"") + "\n", {},
            Code::BadSha256, 1);
        row("SHA-256 in upper case", QByteArray(json).replace("\"D\"", "\"" + QByteArray(64, 'D') + "\"") + "\n", {},
            Code::BadSha256, 1);
        row("authentic with a reason", QByteArray(json).replace("null", "\"x\"") + "\n", {}, Code::AuthenticWithReason,
            1);
        row("failed without a reason, quoted over two lines", header + "\"a\nb\",failed,,,,,,,,D,1,1\r\n", {},
            Code::FailedWithoutReason, 2);
        row("neither authentic nor failed", QByteArray(json).replace("authentic", "ok") + "\n", {}, Code::BadResult, 1);
        row("a field that is not text", QByteArray(json).replace("\"reason\"", "\"serial\":5,\"reason\"") + "\n", {},
            Code::FieldNotText, 1);
        row("CSV row short of fields", header + "a.jpg,authentic,,,,,,,,D,1,1\r\nb.jpg,authentic,\r\n",
            {"a.jpg|dddd||1|"}, Code::FieldCount, 3);
        row("CSV size not a number", header + "a.jpg,authentic,,,,,,,,D,x,1\r\n", {}, Code::SizeNotNumber, 2);
        row("CSV text after a closing quote", header + "\"a\"b,authentic,,,,,,,,D,1,1\r\n", {}, Code::TextAfterQuote,
            2);
        row("JSON that is not a report", "{\"name\":\"x\"}\n", {}, Code::JsonNotOurs, 1);
        // The longest line allowed is 1,048,576 bytes before its LF.
        const QByteArray entry = QByteArray(json).replace("D", QByteArray(64, 'd'));
        const auto padded = [&entry](qsizetype length) {
            return entry.left(entry.size() - 1) + QByteArray(length - entry.size(), ' ') + "}\n";
        };
        row("a line of the longest length", padded(1 << 20), {"a.jpg|dddd||-1|"});
        row("a line one byte longer", padded((1 << 20) + 1), {}, Code::LineTooLong, 1);
        row("empty", "\n\n", {}, Code::Empty, 0);
        // The outcome of a re-check is no custody record, whatever its name:
        // read as a report, its "unchanged" lines would hide what changed.
        row("a re-check's JSON Lines outcome", json.left(json.size() - 1) + R"(,"status":"unchanged"})" + "\n", {},
            Code::CheckOutcome, 1);
        row("a re-check's CSV outcome", "status,path,report_line,new_path,result,reason,sha256\r\n", {},
            Code::CheckOutcome, 1);
    }

    void readBack()
    {
        QFETCH(QByteArray, report);
        QFETCH(QStringList, entries);
        QFETCH(Code, problem);
        QFETCH(qint64, line);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report"));
        QVERIFY(WriteFile(QFile::encodeName(file).toStdString(), report.toStdString()));
        ReportProblem got;
        QByteArray sha256;
        QCOMPARE(ReadBack(file, &got, &sha256), entries);
        QCOMPARE(got.code, problem);
        QCOMPARE(got.line, line);
        QCOMPARE(got.report, problem == Code::None ? QString() : file);
        // A report read whole is named by the SHA-256 of all its bytes.
        QCOMPARE(QString::fromLatin1(sha256), problem == Code::None ? Sha256Hex(report.toStdString()) : QString());
    }

    // A name's bytes from its report text: "\xHH" of 80 and above is the
    // byte where the text could not have been written otherwise.
    void pathBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("literal");
        const auto row = [](const char* title, const QString& text, const QByteArray& bytes,
                            const QByteArray& literal) { QTest::newRow(title) << text << bytes << literal; };
#ifdef Q_OS_WIN // the name in the ANSI code page, as the folder walk gives it
        row("plain text", AnsiName(QStringLiteral(".jpg")), AnsiName(QStringLiteral(".jpg")).toLocal8Bit(), "");
#else
        row("plain text", QStringLiteral("caf\u00e9.jpg"), "caf\xc3\xa9.jpg", "");
#endif
        row("Latin-1 byte", QStringLiteral("caf\\xE9.jpg"), "caf\xe9.jpg", "caf\\xE9.jpg");
        row("byte 80 at the end", QStringLiteral("a\\x80"), "a\x80", "a\\x80");
        row("below 80 is always literal", QStringLiteral("a\\x41.jpg"), "a\\x41.jpg", "");
        row("well-formed UTF-8 is never escaped", QStringLiteral("\\xC3\\xA9.jpg"), "\\xC3\\xA9.jpg", "");
        row("lower-case digits are not ours", QStringLiteral("\\xe9.jpg"), "\\xe9.jpg", "");
    }

    void pathBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, literal);
        if (!literal.isEmpty())
            ARDENTIX_SKIP_ON_WINDOWS("a path that is not UTF-8 is shown in the ANSI code page there");
        QByteArray other;
        QCOMPARE(ReportReader::PathBytes(text, &other), bytes);
        QCOMPARE(other, literal);
    }

    // Whatever bytes a path or a field holds, a report reads back to the
    // same file, verdict, SHA-256 and fields, and a text line stays one line
    // without a control character.
    void recordsStayValid()
    {
        QRandomGenerator random(77);
        QList<FileResult> written;
        QByteArray reports[2] = {QByteArray(), ReportWriter({ReportFormat::Csv, true}).Header()};
        for (int i = 0; i < 3000; ++i) {
            written << RandomResult(random);
            reports[0] += ReportWriter({ReportFormat::Json, true}).Record(written.last());
            reports[1] += ReportWriter({ReportFormat::Csv, true}).Record(written.last());
            const QString shown =
                QString::fromUtf8(ReportWriter({ReportFormat::Text, 0, 0, 30}).Record(written.last()));
            QCOMPARE(shown.count('\n'), 1);
            for (const QChar c : shown.chopped(1))
                QVERIFY2(c >= ' ' && !(c.unicode() >= 0x7f && c.unicode() <= 0x9f) && c != QChar(0x202e),
                         qPrintable(shown));
        }
        QTemporaryDir dir;
        for (const QByteArray& report : reports) {
            const QString file = dir.filePath(report.startsWith('{') ? "r.jsonl" : "r.csv");
            QVERIFY(WriteFile(QFile::encodeName(file).toStdString(), report.toStdString()));
            ReportReader reader;
            QVERIFY2(reader.Open(QFile::encodeName(file)), qPrintable(reader.Problem().detail));
            ReportEntry entry;
            qsizetype i = 0;
            for (; reader.Next(entry); ++i) {
                const FileResult& result = written.value(i);
#ifdef Q_OS_WIN // a name that is not UTF-8 is in the ANSI code page there
                if (!PathText::IsValidUtf8(result.path))
                    continue;
#endif
                QVERIFY2(entry.pathBytes == result.path || entry.literalPath == result.path, qPrintable(entry.path));
                QCOMPARE(entry.authentic, result.IsAuthentic());
                QCOMPARE(entry.reason, result.IsAuthentic() ? QString() : AuthResultName(result.result));
                QCOMPARE(entry.sha256, result.sha256);
                // Every watermark field the format carries reads back as
                // written, or as the other reading of a guard: a value that
                // began with "'".
                for (const ReportFields::Field field : ReportFields::WatermarkFields()) {
                    const ReportEntry::Value& read = entry.Of(field);
                    const QString value = Latin1(*WatermarkField(field, result.record));
                    QCOMPARE(read.present,
                             report.startsWith('{') || ReportFields::ForColumn(QLatin1String(Column(field)))->inCsv);
                    QVERIFY(!read.present || read.text == value ||
                            (read.guarded && QLatin1Char('\'') + read.text == value));
                }
            }
            QVERIFY2(!reader.Failed(), qPrintable(reader.Problem().detail));
            QCOMPARE(i, written.size());
        }
    }
};

ARDENTIX_REGISTER_TEST(TestReportFiles)
#include "tst_reportfiles.moc"
