// The report formatting and the path display on their own, without a run:
// RFC 4180 quoting, the display of bytes that are not UTF-8, reports that
// stay valid whatever bytes a path or a watermark field holds, and reading
// them back.
#include "CliRun.h"
#include "PathText.h"
#include "PosixCalls.h"
#include "ReportReader.h"
#include "ReportWriter.h"
#include "TestRegistry.h"

#include <QFile>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>

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
    result.result = static_cast<AuthResult>(random.bounded(AuthDigestMismatch + 1));
    WatermarkRecord& r = result.record;
    for (std::string* field :
         {&r.Marker, &r.Version, &r.HMAC, &r.StartTime, &r.EndTime, &r.TimeSource, &r.VHSerial, &r.CamMAC})
        *field = bytes(12).toStdString();
    result.sha256 = QByteArray(32, 'a').toHex().left(64);
    return result;
}

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Reads a whole report: its entries' "path|sha256-prefix|reason" and the
// error, if any.
QStringList ReadBack(const QString& file, QString* error)
{
    ReportReader reader;
    QStringList entries;
    ReportEntry entry;
    if (reader.Open(QFile::encodeName(file))) {
        while (reader.Next(entry))
            entries
                << QStringLiteral("%1|%2|%3").arg(entry.path, QString::fromLatin1(entry.sha256.left(4)), entry.reason);
    }
    *error = reader.ErrorText();
    return entries;
}

} // namespace

class TestReportWriter : public QObject
{
    Q_OBJECT

private slots:
    void csvField_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "abc"
                               << "abc";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("spaces are data") << " a b "
                                         << " a b ";
        QTest::newRow("comma") << "a,b"
                               << "\"a,b\"";
        QTest::newRow("quote") << "say \"hi\""
                               << "\"say \"\"hi\"\"\"";
        QTest::newRow("only a quote") << "\""
                                      << "\"\"\"\"";
        QTest::newRow("LF") << "a\nb"
                            << "\"a\nb\"";
        QTest::newRow("CR") << "a\rb"
                            << "\"a\rb\"";
        QTest::newRow("non-ASCII") << "Überwachung"
                                   << "Überwachung";
        // Formulas are made text; only a leading trigger counts.
        QTest::newRow("equals") << "=HYPERLINK(1)"
                                << "'=HYPERLINK(1)";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("minus") << "-2+3"
                               << "'-2+3";
        QTest::newRow("at") << "@SUM(A1)"
                            << "'@SUM(A1)";
        QTest::newRow("tab") << "\tx"
                             << "'\tx";
        QTest::newRow("CR first, quoted") << "\r=1"
                                          << "\"'\r=1\"";
        QTest::newRow("formula with a comma") << "=A1,B1"
                                              << "\"'=A1,B1\"";
        QTest::newRow("trigger inside") << "a=b-c"
                                        << "a=b-c";
        QTest::newRow("apostrophe first") << "'=x"
                                          << "'=x";
    }

    void csvField()
    {
        QFETCH(QString, value);
        QFETCH(QString, field);
        QCOMPARE(ReportWriter::CsvField(value), field);
    }

    void pathText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("terminal");
        QTest::newRow("ASCII") << QByteArray("a/b.avi") << true << "a/b.avi"
                               << "a/b.avi";
        QTest::newRow("two-byte") << QByteArray("\xc3\xa9") << true << "é"
                                  << "é";
        QTest::newRow("three-byte") << QByteArray("\xe7\x9b\xa3") << true << "監"
                                    << "監";
        QTest::newRow("four-byte") << QByteArray("\xf0\x9f\x93\xb7") << true << "\U0001F4F7"
                                   << "\U0001F4F7";
        QTest::newRow("highest code point") << QByteArray("\xf4\x8f\xbf\xbf") << true << "\U0010FFFF"
                                            << "\U0010FFFF";
        QTest::newRow("lone continuation") << QByteArray("a\x80z") << false << "a\\x80z"
                                           << "a\\x80z";
        QTest::newRow("Latin-1 byte") << QByteArray("caf\xe9") << false << "caf\\xE9"
                                      << "caf\\xE9";
        QTest::newRow("truncated at the end") << QByteArray("x\xe2\x82") << false << "x\\xE2\\x82"
                                              << "x\\xE2\\x82";
        QTest::newRow("truncated before ASCII") << QByteArray("\xe2\x82y") << false << "\\xE2\\x82y"
                                                << "\\xE2\\x82y";
        QTest::newRow("overlong two-byte") << QByteArray("\xc0\xaf") << false << "\\xC0\\xAF"
                                           << "\\xC0\\xAF";
        QTest::newRow("overlong three-byte") << QByteArray("\xe0\x80\xaf") << false << "\\xE0\\x80\\xAF"
                                             << "\\xE0\\x80\\xAF";
        QTest::newRow("overlong four-byte") << QByteArray("\xf0\x8f\xbf\xbf") << false << "\\xF0\\x8F\\xBF\\xBF"
                                            << "\\xF0\\x8F\\xBF\\xBF";
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false << "\\xED\\xA0\\x80"
                                   << "\\xED\\xA0\\x80";
        QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false << "\\xF4\\x90\\x80\\x80"
                                        << "\\xF4\\x90\\x80\\x80";
        QTest::newRow("F5 lead") << QByteArray("\xf5\x80\x80\x80") << false << "\\xF5\\x80\\x80\\x80"
                                 << "\\xF5\\x80\\x80\\x80";
        QTest::newRow("valid after invalid") << QByteArray("\xff\xc3\xa9") << false << "\\xFFé"
                                             << "\\xFFé";
        QTest::newRow("newline and tab") << QByteArray("a\nb\tc") << true << "a\nb\tc"
                                         << "a\\x0Ab\\x09c";
        QTest::newRow("escape and DEL") << QByteArray("\x1b[2J\x7f") << true << "\x1b[2J\x7f"
                                        << "\\x1B[2J\\x7F";
        QTest::newRow("C1 control CSI") << QByteArray("\xc2\x9b"
                                                      "31m")
                                        << true << "\u009B31m"
                                        << "\\xC2\\x9B31m";
        QTest::newRow("bidi override") << QByteArray("a\xe2\x80\xae"
                                                     "b")
                                       << true << "a\u202Eb"
                                       << "a\\xE2\\x80\\xAEb";
        QTest::newRow("bidi isolate") << QByteArray("\xe2\x81\xa6") << true << "\u2066"
                                      << "\\xE2\\x81\\xA6";
    }

    void pathText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, report);
        QFETCH(QString, terminal);
        QCOMPARE(PathText::IsValidUtf8(bytes), valid);
#ifdef Q_OS_WIN
        // There a path that is not UTF-8 is in the ANSI code page.
        if (!valid) {
            QCOMPARE(PathText::ForReport(bytes), QString::fromLocal8Bit(bytes));
            return;
        }
#endif
        QCOMPARE(PathText::ForReport(bytes), report);
        QCOMPARE(PathText::ForPeople(bytes), terminal);
    }

    // The folder walk relies on this: a name is UTF-8 for the verifier
    // exactly when Qt can hold it without loss.
    void validUtf8AgreesWithQt()
    {
        QRandomGenerator random(20240605);
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes;
            const int length = random.bounded(1, 6);
            for (int b = 0; b < length; ++b) {
                // Bias towards lead and continuation bytes.
                const int pick = random.bounded(4);
                bytes += char(pick == 0   ? random.bounded(0x80)
                              : pick == 1 ? 0x80 + random.bounded(0x40)
                                          : 0xC0 + random.bounded(0x40));
            }
            const bool qtKeepsIt = QString::fromUtf8(bytes).toUtf8() == bytes;
            QVERIFY2(PathText::IsValidUtf8(bytes) == qtKeepsIt, bytes.toHex().constData());
            if (qtKeepsIt)
                QCOMPARE(PathText::ForReport(bytes), QString::fromUtf8(bytes));
        }
    }

    // Whatever bytes a path or a field holds: each JSON record is one line
    // holding one object that gives them back, each CSV record parses into
    // its fields, and each text line is one line with no control character.
    void recordsStayValid()
    {
        QRandomGenerator random(77);
        ReportOptions json;
        json.format = ReportFormat::Json;
        json.sha256 = true;
        ReportOptions csv;
        csv.format = ReportFormat::Csv;
        ReportOptions text;
        text.pathWidth = 30;
        const ReportWriter jsonWriter(json);
        const ReportWriter csvWriter(csv);
        const ReportWriter textWriter(text);
        // The same records as reports with the SHA-256, read back below.
        QTemporaryDir dir;
        QFile jsonReport(dir.filePath(QStringLiteral("r.jsonl")));
        QFile csvReport(dir.filePath(QStringLiteral("r.csv")));
        QVERIFY(jsonReport.open(QIODevice::WriteOnly) && csvReport.open(QIODevice::WriteOnly));
        const ReportWriter csvSha({ReportFormat::Csv, true});
        csvReport.write(csvSha.Header());
        QList<FileResult> written;

        for (int i = 0; i < 3000; ++i) {
            const FileResult result = RandomResult(random);
            const QString path = PathText::ForReport(result.path);

            const QByteArray line = jsonWriter.Record(result);
            QCOMPARE(line.count('\n'), 1);
            QString error;
            const QList<QJsonObject> objects = clitest::JsonLines(line, &error);
            QVERIFY2(error.isEmpty() && objects.size() == 1, line.constData());
            const QJsonObject& o = objects[0];
            QCOMPARE(o.value(QLatin1String("path")).toString(), path);
            QCOMPARE(o.value(QLatin1String("serial")).toString(), Latin1(result.record.VHSerial));
            QCOMPARE(o.value(QLatin1String("marker")).toString(), Latin1(result.record.Marker));
            QCOMPARE(o.value(QLatin1String("reason")).isNull(), result.IsAuthentic());
            QCOMPARE(o.value(QLatin1String("sha256")).toString(), QString::fromLatin1(result.sha256));

            const QList<QStringList> records = clitest::CsvRecords(csvWriter.Record(result), &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(records.size(), 1);
            QCOMPARE(records[0].size(), 11);
            // CSV fields are exact but for the apostrophe before a formula.
            QCOMPARE(records[0][0], ReportWriter::SpreadsheetSafe(path));
            QCOMPARE(records[0][5], ReportWriter::SpreadsheetSafe(Latin1(result.record.VHSerial)));
            QCOMPARE(records[0][8], ReportWriter::SpreadsheetSafe(Latin1(result.record.CamMAC)));

            const QString shown = QString::fromUtf8(textWriter.Record(result));
            QVERIFY(shown.endsWith(QLatin1Char('\n')));
            for (qsizetype c = 0; c + 1 < shown.size(); ++c) {
                const char16_t u = shown[c].unicode();
                QVERIFY2(u >= 0x20 && !(u >= 0x7f && u <= 0x9f) && u != 0x202e, qPrintable(shown));
            }
            jsonReport.write(line);
            csvReport.write(csvSha.Record(result));
            written << result;
        }
        jsonReport.close();
        csvReport.close();

        // Both read back to the same paths, bytes and fields.
        for (QFile* file : {&jsonReport, &csvReport}) {
            ReportReader reader;
            QVERIFY2(reader.Open(QFile::encodeName(file->fileName())), qPrintable(reader.ErrorText()));
            ReportEntry entry;
            qsizetype i = 0;
            for (; reader.Next(entry); ++i) {
                const FileResult& result = written.value(i);
                if (file == &jsonReport)
                    QCOMPARE(entry.path, PathText::ForReport(result.path));
                QVERIFY2(entry.pathBytes == result.path || entry.literalPath == result.path, qPrintable(entry.path));
                QCOMPARE(entry.authentic, result.IsAuthentic());
                QCOMPARE(entry.sha256, result.sha256);
                // A guarded value reads back as written; one that started with
                // "'" and a formula character is the other reading of a guard.
                const QString serial = Latin1(result.record.VHSerial);
                const bool serialGuarded = (entry.guardMask & (1u << 6)) != 0;
                QVERIFY(entry.fields[6] == serial || (serialGuarded && QLatin1Char('\'') + entry.fields[6] == serial));
                const QString mac = Latin1(result.record.CamMAC);
                const bool macGuarded = (entry.guardMask & (1u << 7)) != 0;
                QVERIFY(entry.fields[7] == mac || (macGuarded && QLatin1Char('\'') + entry.fields[7] == mac));
            }
            QVERIFY2(!reader.Failed(), qPrintable(reader.ErrorText()));
            QCOMPARE(i, written.size());
        }
    }

    // Reports as found on disk: how each is read, and why one is refused,
    // with the line. "D" stands for a valid SHA-256.
    void readBack_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("error"); // after "FILE"

        const QByteArray d(64, 'd');
        const QByteArray header = "path,result,reason,start_time,end_time,serial,version,time_source,camera_mac,"
                                  "sha256,size,protected_bytes\r\n";
        const QByteArray json = R"({"path":"a.jpg","result":"authentic","reason":null,"sha256":"D"})";
        const QStringList none;
        QTest::newRow("JSON Lines") << QByteArray(json + "\n\n" + json + "\n").replace("D", d)
                                    << QStringList{"a.jpg|dddd|", "a.jpg|dddd|"} << QString();
        QTest::newRow("CSV, quoted path over three lines, a formula guard")
            << QByteArray(header + "\"a\r\nb,\"\"c\"\"\nd.avi\",failed,digest-mismatch,,,,,,,D,1,1\r\n" +
                          "'=1+2.jpg,failed,'-x,,,,,,,D,,\r\n'x.jpg,failed,unreadable,,,,,,,,,\r\n")
                   .replace(",D,", "," + d + ",")
            << QStringList{"a\r\nb,\"c\"\nd.avi|dddd|digest-mismatch", "=1+2.jpg|dddd|-x", "'x.jpg||unreadable"}
            << QString();
        QTest::newRow("CSV with LF line ends and only its header")
            << QByteArray(header).replace("\r", "") << none << QString();
        QTest::newRow("foreign CSV") << QByteArray("name,size\r\na,1\r\n") << none
                                     << QStringLiteral(":1: not a report of ardentix-verify: neither JSON Lines nor "
                                                       "its CSV, whose header starts \"path,result,reason,\"");
        QTest::newRow("JSON cut off") << QByteArray(json + "\n" + json.left(30)).replace("D", d)
                                      << QStringList{"a.jpg|dddd|"}
                                      << QStringLiteral(":2: the last line has no line end: the report is cut off");
        QTest::newRow("CSV cut off in a quoted field")
            << QByteArray(header + "\"a\nb") << none
            << QStringLiteral(":3: the last line has no line end: the report is cut off");
        QTest::newRow("CSV without sha256") << QByteArray("path,result,reason,size\r\n") << none
                                            << QStringLiteral(":1: the report has no sha256 column: it was written "
                                                              "without --sha256");
        QTest::newRow("JSON without sha256")
            << QByteArray(json + "\n" + json).replace(",\"sha256\":\"D\"", "").replace("D", d) << none
            << QStringLiteral(":1: the entry has no SHA-256: the report was written without --sha256");
        QTest::newRow("authentic without SHA-256")
            << QByteArray(json + "\n").replace("D", "") << none << QStringLiteral(":1: the entry has no SHA-256");
        QTest::newRow("CSV row short of fields")
            << QByteArray(header + "a.jpg,authentic,,,,,,,," + d + ",1,1\r\nb.jpg,authentic,\r\n")
            << QStringList{"a.jpg|dddd|"} << QStringLiteral(":3: 3 fields where the header has 12");
        QTest::newRow("JSON that is not a report") << QByteArray("{\"name\":\"x\"}\n") << none
                                                   << QStringLiteral(":1: not a report of ardentix-verify: no "
                                                                     "\"path\", \"result\" and \"reason\"");
        QTest::newRow("empty") << QByteArray("\n\n") << none << QStringLiteral(": the report is empty");
    }

    void readBack()
    {
        QFETCH(QByteArray, report);
        QFETCH(QStringList, entries);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report"));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(file), report.toStdString()));
        QString got;
        QCOMPARE(ReadBack(file, &got), entries);
        QCOMPARE(got, error.isEmpty() ? QString() : file + error);
    }

    // A name's bytes from its report text: "\xHH" of 80 and above is the
    // byte where the text could not have been written otherwise.
    void pathBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("literal");
        QTest::newRow("plain UTF-8") << QStringLiteral("caf\u00e9.jpg") << QByteArray("caf\xc3\xa9.jpg")
                                     << QByteArray();
        QTest::newRow("Latin-1 byte") << QStringLiteral("caf\\xE9.jpg") << QByteArray("caf\xe9.jpg")
                                      << QByteArray("caf\\xE9.jpg");
        QTest::newRow("below 80 is always literal")
            << QStringLiteral("a\\x41.jpg") << QByteArray("a\\x41.jpg") << QByteArray();
        QTest::newRow("well-formed UTF-8 is never escaped")
            << QStringLiteral("\\xC3\\xA9.jpg") << QByteArray("\\xC3\\xA9.jpg") << QByteArray();
        QTest::newRow("lower-case digits are not ours")
            << QStringLiteral("\\xe9.jpg") << QByteArray("\\xe9.jpg") << QByteArray();
    }

    void pathBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, literal);
        if (!PathText::IsValidUtf8(bytes))
            ARDENTIX_SKIP_ON_WINDOWS("a path that is not UTF-8 is shown in the ANSI code page there");
        QByteArray other;
        QCOMPARE(ReportReader::PathBytes(text, &other), bytes);
        QCOMPARE(other, literal);
    }

    // Paths of different widths, wide characters among them: the column
    // after the path starts at the same terminal column on every line.
    void textColumnsAlign()
    {
        const QList<QByteArray> paths = {"a.avi", "much/longer/path.avi", "\xe7\x9b\xa3\xe8\xa6\x96.avi", "caf\xe9.jpg",
                                         "e\xcc\x81t\xc3\xa9.mp4"};
        ReportOptions options;
        for (const QByteArray& path : paths)
            options.pathWidth = qMax(options.pathWidth, ReportWriter::PathColumnWidth(path));
        const ReportWriter writer(options);
        int column = -1;
        for (const QByteArray& path : paths) {
            FileResult result;
            result.path = path;
            result.result = AuthAuthentic;
            result.record.StartTime = "2012-05-14 09:30:00";
            const QString line = QString::fromUtf8(writer.Record(result));
            const int width = PathText::TerminalWidth(line.left(line.indexOf(QLatin1String("2012-05-14"))));
            if (column < 0)
                column = width;
            QCOMPARE(width, column);
        }
    }
};

ARDENTIX_REGISTER_TEST(TestReportWriter)
#include "tst_reportwriter.moc"
