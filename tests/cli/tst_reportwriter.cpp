// Report formatting, path display, the re-check's lines, the progress line
// and the batch, without a run: exact records, quoting, escapes, read-back.
#include "BatchVerifier.h"
#include "CheckWriter.h"
#include "CliRun.h"
#include "CustodyCheck.h"
#include "InputCollector.h"
#include "PathText.h"
#include "PosixCalls.h"
#include "Progress.h"
#include "ReportReader.h"
#include "ReportWriter.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <array>
#include <cstdio>

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
    result.result = static_cast<AuthResult>(random.bounded(AuthInternalError + 1));
    if (result.result == AuthCancelled)
        result.result = AuthBadMarker;
    WatermarkRecord& r = result.record;
    for (std::string* field :
         {&r.Marker, &r.Version, &r.HMAC, &r.StartTime, &r.EndTime, &r.TimeSource, &r.VHSerial, &r.CamMAC})
        *field = bytes(12).toStdString();
    if (result.result != AuthUnreadable && result.result != AuthInternalError)
        result.sha256 = QByteArray::number(random.generate64(), 16).repeated(4).rightJustified(64, '0').left(64);
    return result;
}

// A result as the engine gives it: a file of size bytes (-1: no status),
// the watermark read or not, and its SHA-256 as sha (a letter, repeated).
FileResult Result(const QByteArray& path, AuthResult reason, qint64 size, bool read, char sha = 0)
{
    FileResult result;
    result.path = path;
    result.result = reason;
    result.size = size;
    if (read) {
        WatermarkRecord& r = result.record;
        r.Fill("Quorvane Digital Watermark\r\nVersion: 1.0\r\nHMAC: 0123456789abcdef0123456789abcdef\r\n"
               "StartTime: 2012-05-14 09:30:00\r\nEndTime: 2012-05-14 09:35:00\r\nTimeSource: NTP\r\n"
               "VHSerial: VH-0042\r\nCamMAC: 00:1A:2B:3C:4D:5E\r\n");
    }
    const QByteArray name = path.toLower();
    const qint64 skip = name.endsWith(".avi") ? 240 : name.endsWith(".mp4") ? 3145764 : 0;
    result.coverageKnown = size >= 512;
    if (result.coverageKnown)
        result.covered = ProtectedRangesOf(size, skip, name.endsWith(".jpg") ? 2 : 0);
    if (sha != 0)
        result.sha256 = QByteArray(64, sha);
    return result;
}

// Reads a whole report: its entries' "path|sha256-prefix|reason|size|serial"
// and the error, if any.
QStringList ReadBack(const QString& file, QString* error)
{
    ReportReader reader;
    QStringList entries;
    ReportEntry entry;
    if (reader.Open(QFile::encodeName(file))) {
        while (reader.Next(entry))
            entries << QStringLiteral("%1|%2|%3|%4|%5")
                           .arg(entry.path, QString::fromLatin1(entry.sha256.left(4)), entry.reason)
                           .arg(entry.size)
                           .arg(entry.fields[6]);
    }
    *error = reader.ErrorText();
    return entries;
}

// Everything a Progress wrote to its stream.
struct Captured
{
    // The stream stays open for the writer that holds it; Take gives what
    // was written since the last Take.
    std::FILE* stream = std::tmpfile();
    long taken = 0;
    ~Captured() { std::fclose(stream); }
    QByteArray Take()
    {
        std::fseek(stream, 0, SEEK_END);
        const long end = std::ftell(stream);
        QByteArray out(end - taken, '\0');
        std::fseek(stream, taken, SEEK_SET);
        out.truncate(qsizetype(std::fread(out.data(), 1, std::size_t(out.size()), stream)));
        std::fseek(stream, 0, SEEK_END);
        taken = end;
        return out;
    }
};

} // namespace

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

    void pathText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("terminal");
        const auto row = [](const char* title, const QByteArray& bytes, bool valid, const QString& report,
                            const QString& terminal) { QTest::newRow(title) << bytes << valid << report << terminal; };
        row("ASCII", "a/b.avi", true, "a/b.avi", "a/b.avi");
        row("two-byte", "\xc3\xa9", true, "é", "é");
        row("three-byte", "\xe7\x9b\xa3", true, "監", "監");
        row("four-byte", "\xf0\x9f\x93\xb7", true, "\U0001F4F7", "\U0001F4F7");
        row("highest code point", "\xf4\x8f\xbf\xbf", true, "\U0010FFFF", "\U0010FFFF");
        row("lone continuation", "a\x80z", false, "a\\x80z", "a\\x80z");
        row("Latin-1 byte", "caf\xe9", false, "caf\\xE9", "caf\\xE9");
        row("truncated at the end", "x\xe2\x82", false, "x\\xE2\\x82", "x\\xE2\\x82");
        row("truncated before ASCII", "\xe2\x82y", false, "\\xE2\\x82y", "\\xE2\\x82y");
        row("overlong two-byte", "\xc0\xaf", false, "\\xC0\\xAF", "\\xC0\\xAF");
        row("overlong three-byte", "\xe0\x80\xaf", false, "\\xE0\\x80\\xAF", "\\xE0\\x80\\xAF");
        row("overlong four-byte", "\xf0\x8f\xbf\xbf", false, "\\xF0\\x8F\\xBF\\xBF", "\\xF0\\x8F\\xBF\\xBF");
        row("surrogate", "\xed\xa0\x80", false, "\\xED\\xA0\\x80", "\\xED\\xA0\\x80");
        row("overlong at the edge", "\xe0\x9f\xbf", false, "\\xE0\\x9F\\xBF", "\\xE0\\x9F\\xBF");
        row("C1 lead", "\xc1\xbf", false, "\\xC1\\xBF", "\\xC1\\xBF");
        row("first three-byte", "\xe0\xa0\x80", true, "\u0800", "\u0800");
        row("first four-byte", "\xf0\x90\x80\x80", true, "\U00010000", "\U00010000");
        row("last before the surrogates", "\xed\x9f\xbf", true, "\uD7FF", "\uD7FF");
        row("above U+10FFFF", "\xf4\x90\x80\x80", false, "\\xF4\\x90\\x80\\x80", "\\xF4\\x90\\x80\\x80");
        row("F5 lead", "\xf5\x80\x80\x80", false, "\\xF5\\x80\\x80\\x80", "\\xF5\\x80\\x80\\x80");
        row("valid after invalid", "\xff\xc3\xa9", false, "\\xFFé", "\\xFFé");
        row("newline and tab", "a\nb\tc", true, "a\nb\tc", "a\\x0Ab\\x09c");
        row("escape and DEL", "\x1b[2J\x7f", true, "\x1b[2J\x7f", "\\x1B[2J\\x7F");
        row("C1 control CSI",
            "\xc2\x9b"
            "31m",
            true, "\u009B31m", "\\xC2\\x9B31m");
        row("bidi override",
            "a\xe2\x80\xae"
            "b",
            true, "a\u202Eb", "a\\xE2\\x80\\xAEb");
        row("bidi isolate", "\xe2\x81\xa6", true, "\u2066", "\\xE2\\x81\\xA6");
    }

    void pathText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, report);
        QFETCH(QString, terminal);
        QCOMPARE(PathText::IsValidUtf8(bytes), valid);
#ifdef Q_OS_WIN
        // There a path that is not UTF-8 is in the ANSI code page, as text
        // where it is text there; otherwise it is escaped, as elsewhere.
        const QString ansi = QString::fromLocal8Bit(bytes);
        if (!valid && ansi.toLocal8Bit() == bytes) {
            QCOMPARE(PathText::ForReport(bytes), ansi);
            return;
        }
#endif
        QCOMPARE(PathText::ForReport(bytes), report);
        QCOMPARE(PathText::ForPeople(bytes), terminal);
        if (!bytes.contains('/'))
            QCOMPARE(PathText::FileNameForPeople("/x.d/" + bytes), terminal);
    }

    // Which characters people see escaped, at the edges of each range:
    // controls, and the characters that reorder text.
    void escapedForPeople()
    {
        const QList<QPair<char32_t, bool>> cases = {
            {0x1F, true},    {0x20, false},   {0x7E, false},   {0x7F, true},    {0x9F, true},    {0xA0, false},
            {0x061B, false}, {0x061C, true},  {0x061D, false}, {0x200D, false}, {0x200E, true},  {0x200F, true},
            {0x2010, false}, {0x2029, false}, {0x202A, true},  {0x202E, true},  {0x202F, false}, {0x2065, false},
            {0x2066, true},  {0x2069, true},  {0x206A, false}};
        for (const auto& [codePoint, escaped] : cases) {
            const QString character = QString::fromUcs4(&codePoint, 1);
            const QByteArray utf8 = character.toUtf8();
            QString expected;
            for (const char byte : utf8)
                expected += QStringLiteral("\\x") + QString::number(uchar(byte), 16).rightJustified(2, '0').toUpper();
            QCOMPARE(PathText::ForPeople(utf8), escaped ? expected : character);
            QCOMPARE(PathText::ForReport(utf8), character);
        }
        // Watermark text is 8-bit: controls escaped, the rest read as Latin-1.
        QCOMPARE(PathText::FieldForPeople(std::string("a\0b\x1f\x7f\x9f\xa0\xe9", 8)),
                 QStringLiteral("a\\x00b\\x1F\\x7F\\x9F\u00a0\u00e9"));
        QCOMPARE(PathText::FromLatin1(std::string("a\0\xe9", 3)), QString::fromUtf16(u"a\0\u00e9", 3));
    }

    // Terminal columns at the edges of the wide ranges; combining marks and
    // the zero-width space take none.
    void terminalWidth()
    {
        const QList<QPair<char32_t, int>> cases = {
            {0x41, 1},    {0xE9, 1},    {0x0301, 0},  {0x20DD, 0},  {0x200B, 0},  {0x10FF, 1},  {0x1100, 2},
            {0x115F, 2},  {0x2E7F, 1},  {0x2E80, 2},  {0x303E, 2},  {0x303F, 1},  {0x3040, 2},  {0xA4CF, 2},
            {0xA4D0, 1},  {0xABFF, 1},  {0xAC00, 2},  {0xD7A3, 2},  {0xD7B0, 1},  {0xF8FF, 1},  {0xF900, 2},
            {0xFAFF, 2},  {0xFB00, 1},  {0xFE2F, 0},  {0xFE30, 2},  {0xFE4F, 2},  {0xFE50, 1},  {0xFF00, 2},
            {0xFF60, 2},  {0xFF61, 1},  {0xFFDF, 1},  {0xFFE0, 2},  {0xFFE6, 2},  {0xFFE8, 1},  {0x1F2FF, 1},
            {0x1F300, 2}, {0x1F64F, 2}, {0x1F650, 1}, {0x1F8FF, 1}, {0x1F900, 2}, {0x1F9FF, 2}, {0x1FA00, 1},
            {0x1FFFF, 1}, {0x20000, 2}, {0x3FFFD, 2}, {0x3FFFE, 1}};
        for (const auto& [codePoint, width] : cases) {
            const QString text = QString::fromUcs4(&codePoint, 1);
            QVERIFY2(PathText::TerminalWidth(text) == width, qPrintable(QString::number(codePoint, 16)));
            QCOMPARE(PathText::PadToWidth(QStringLiteral("x") + text, 4),
                     QStringLiteral("x") + text + QString(3 - width, QLatin1Char(' ')));
        }
        QCOMPARE(PathText::PadToWidth(QStringLiteral("abcdef"), 4), QStringLiteral("abcdef"));
    }

    // Exact records in every format: columns and their order, null and 0,
    // escapes, quoting, the formula guard, padding and the warning.
    void records()
    {
        FileResult formula = Result("/c/b,\"x\".avi", AuthDigestMismatch, 5000, true, 'b');
        formula.record.VHSerial = "=1+2";
        const QList<FileResult> results = {Result("/c/\xe7\x9b\xa3.jpg", AuthAuthentic, 5000, true, 'a'), formula,
                                           Result("/c/u.mp4", AuthAuthentic, 3146276, true),
                                           Result("/c/caf\xe9\n.avi", AuthUnreadable, -1, false),
                                           Result("/c/e.jpg", AuthTooShort, 0, false)};
        const QByteArray times = "2012-05-14 09:30:00  2012-05-14 09:35:00  VH-0042";
        const QList<QByteArray> text = {
            "authentic  /c/\xe7\x9b\xa3.jpg   " + times + "\n", "failed     /c/b,\"x\".avi  digest-mismatch\n",
            "authentic  /c/u.mp4    " + times + "  WARNING: the watermark covers no byte of this file\n",
            "failed     /c/caf\\xE9\\x0A.avi  unreadable\n", "failed     /c/e.jpg    too-short\n"};
        const QByteArray fields = R"("camera_mac":"00:1A:2B:3C:4D:5E","end_time":"2012-05-14 09:35:00",)"
                                  R"("hmac":"0123456789abcdef0123456789abcdef","marker":"Quorvane Digital Watermark",)";
        const QByteArray serial = R"("serial":"VH-0042",)";
        const QByteArray tail = R"("start_time":"2012-05-14 09:30:00","time_source":"NTP","version":"1.0"})"
                                "\n";
        const QByteArray empty = R"("camera_mac":"","end_time":"","hmac":"","marker":"",)";
        const QByteArray emptyTail = R"("start_time":"","time_source":"","version":""})"
                                     "\n";
        const QList<QByteArray> json = {
            "{" + fields +
                "\"path\":\"/c/\xe7\x9b\xa3.jpg\","
                R"("protected_bytes":4488,"reason":null,"result":"authentic",)" +
                serial + "\"sha256\":\"" + QByteArray(64, 'a') + "\",\"size\":5000," + tail,
            "{" + fields + R"("path":"/c/u.mp4","protected_bytes":0,"reason":null,"result":"authentic",)" + serial +
                R"("sha256":"","size":3146276,)" + tail,
            "{" + empty + R"("path":"/c/caf\\xE9\n.avi","protected_bytes":null,"reason":"unreadable",)" +
                R"("result":"failed","serial":"","size":null,)" + emptyTail,
            "{" + empty + R"("path":"/c/e.jpg","protected_bytes":null,"reason":"too-short","result":"failed",)" +
                R"("serial":"","size":0,)" + emptyTail};
        const QByteArray columns = "path,result,reason,start_time,end_time,serial,version,time_source,camera_mac,";
        const QByteArray mark = "2012-05-14 09:30:00,2012-05-14 09:35:00,";
        const QList<QByteArray> csv = {"\"/c/b,\"\"x\"\".avi\",failed,digest-mismatch," + mark +
                                           "'=1+2,1.0,NTP,00:1A:2B:3C:4D:5E," + QByteArray(64, 'b') + ",5000,4248\r\n",
                                       "/c/u.mp4,authentic,," + mark +
                                           "VH-0042,1.0,NTP,00:1A:2B:3C:4D:5E,,3146276,0\r\n",
                                       "\"/c/caf\\xE9\n.avi\",failed,unreadable,,,,,,,,,\r\n"};

        const auto writer = [](ReportFormat format, bool sha256, bool colour = false, int width = 10) {
            return ReportWriter({format, sha256, colour, width});
        };
        for (int i = 0; i < results.size(); ++i)
            QCOMPARE(writer(ReportFormat::Text, true).Record(results[i]), clitest::Shown(text[i]));
        FileResult bare = Result("/c/n.avi", AuthAuthentic, 5000, false);
        bare.record.StartTime = "2012-05-14 09:30:00";
        QCOMPARE(writer(ReportFormat::Text, false).Record(bare),
                 QByteArray("authentic  /c/n.avi    2012-05-14 09:30:00\n"));
        QCOMPARE(writer(ReportFormat::Text, false, true).Record(results[0]),
                 "\x1b[32mauthentic\x1b[0m  /c/\xe7\x9b\xa3.jpg   " + times + "\n");
        QCOMPARE(writer(ReportFormat::Text, false, true).Record(results[1]),
                 QByteArray("\x1b[31mfailed\x1b[0m     /c/b,\"x\".avi  digest-mismatch\n"));
        QCOMPARE(writer(ReportFormat::Json, true).Record(results[0]), json[0]);
        QCOMPARE(writer(ReportFormat::Json, true).Record(results[2]), json[1]);
        QCOMPARE(writer(ReportFormat::Json, false).Record(results[3]), clitest::Shown(json[2]));
        QCOMPARE(writer(ReportFormat::Json, false).Record(results[4]), json[3]);
        QCOMPARE(writer(ReportFormat::Csv, true).Header(), columns + "sha256,size,protected_bytes\r\n");
        QCOMPARE(writer(ReportFormat::Csv, false).Header(), columns + "size,protected_bytes\r\n");
        for (int i = 0; i < csv.size(); ++i)
            QCOMPARE(writer(ReportFormat::Csv, true).Record(results[i + 1]), clitest::Shown(csv[i]));
        QCOMPARE(writer(ReportFormat::Csv, false).Record(Result("/c/h.avi", AuthDigestMismatch, 5000000000, false)),
                 QByteArray("/c/h.avi,failed,digest-mismatch,,,,,,,5000000000,4999999248\r\n"));
        QCOMPARE(writer(ReportFormat::Csv, false).Record(results[4]),
                 QByteArray("/c/e.jpg,failed,too-short,,,,,,,0,\r\n"));

        // The closing line counts what was reported; a cancelled file counts
        // nowhere.
        Tally tally;
        for (const FileResult& result : results + QList<FileResult>{Result("/c/x.avi", AuthCancelled, 9, false)})
            tally.Add(result);
        QCOMPARE(writer(ReportFormat::Text, false).Summary(tally), QByteArray("5 files: 2 authentic, 3 failed\n"));
        for (ReportFormat format : {ReportFormat::Json, ReportFormat::Csv})
            QCOMPARE(writer(format, false).Summary(tally), QByteArray());
        QCOMPARE(writer(ReportFormat::Text, false).Header() + writer(ReportFormat::Json, true).Header(), QByteArray());
        QCOMPARE(ReportWriter::PathColumnWidth(QByteArray(70, 'x')), ReportWriter::MaxPathWidth);
#ifdef Q_OS_WIN // "caf\u00e9\u00e7\u203a\u00a3" in the ANSI code page
        QCOMPARE(ReportWriter::PathColumnWidth("caf\xe9\xe7\x9b\xa3"), 7);
#else // "caf\xE9" and a wide character
        QCOMPARE(ReportWriter::PathColumnWidth("caf\xe9\xe7\x9b\xa3"), 9);
#endif
    }

    // The re-check's lines, exact in every format, and its closing line.
    void checkRecords()
    {
        const auto line = [](CustodyStatus status, const QByteArray& path, qint64 reportLine, AuthResult now,
                             const QByteArray& sha, bool then, const QString& thenReason, const QByteArray& thenSha,
                             const QStringList& changed, const QByteArray& newPath = QByteArray()) {
            return CustodyLine{
                status, PathText::ForReport(path), path, newPath, reportLine, now, sha, then, thenReason, thenSha,
                changed};
        };
        const QList<CustodyLine> lines = {
            line(CustodyStatus::Unchanged, "/r/a.avi", 2, AuthAuthentic, "s1", true, "", "s1", {}),
            line(CustodyStatus::Modified, "/r/b.jpg", 3, AuthDigestMismatch, "s2", true, "", "s1",
                 {"sha256", "result", "reason"}),
            line(CustodyStatus::Modified, "/r/c,d.avi", 4, AuthDigestMismatch, "s3", false, "digest-mismatch", "s4",
                 {"sha256"}),
            line(CustodyStatus::Missing, "/r/e.avi", 5, AuthUnreadable, "", true, "", "s5", {}),
            line(CustodyStatus::Moved, "/r/f.avi", 6, AuthAuthentic, "s6", true, "", "s6", {}, "/r/g\xff.avi"),
            line(CustodyStatus::New, "/r/h.jpg", 0, AuthBadSignature, "s7", false, "", "", {})};
        const QByteArrayList text = {
            "unchanged  /r/a.avi  authentic\n",
            "modified   /r/b.jpg  authentic then, failed (digest-mismatch) now; changed: sha256, result, reason\n",
            "modified   /r/c,d.avi  failed (digest-mismatch) then and now; changed: sha256\n",
            "missing    /r/e.avi  authentic then; no readable file now\n",
            "moved      /r/f.avi  now at /r/g\\xFF.avi, authentic\n",
            "new        /r/h.jpg  failed (bad-signature)\n"};
        const CheckWriter textWriter(ReportFormat::Text, 8);
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(textWriter.Record(lines[i]), clitest::Shown(text[i]));
        QCOMPARE(textWriter.Header(), QByteArray());

        const CheckWriter json(ReportFormat::Json, 0);
        QCOMPARE(json.Record(lines[2]),
                 QByteArray(R"({"changed":["sha256"],"new_path":null,"path":"/r/c,d.avi","reason":"digest-mismatch",)"
                            R"("report_line":4,"report_reason":"digest-mismatch","report_result":"failed",)"
                            R"("report_sha256":"s4","result":"failed","sha256":"s3","status":"modified"})"
                            "\n"));
        QCOMPARE(json.Record(lines[4]),
                 clitest::Shown(R"({"changed":[],"new_path":"/r/g\\xFF.avi","path":"/r/f.avi","reason":null,)"
                                R"("report_line":6,"report_reason":null,"report_result":"authentic",)"
                                R"("report_sha256":"s6","result":"authentic","sha256":"s6","status":"moved"})"
                                "\n"));
        QCOMPARE(json.Record(lines[5]),
                 QByteArray(R"({"changed":[],"new_path":null,"path":"/r/h.jpg","reason":"bad-signature",)"
                            R"("report_line":null,"report_reason":null,"report_result":null,"report_sha256":null,)"
                            R"("result":"failed","sha256":"s7","status":"new"})"
                            "\n"));

        const CheckWriter csv(ReportFormat::Csv, 0);
        QCOMPARE(csv.Header(), QByteArray("status,path,report_line,new_path,result,reason,sha256,report_result,"
                                          "report_reason,report_sha256,changed\r\n"));
        QCOMPARE(csv.Record(lines[1]),
                 QByteArray("modified,/r/b.jpg,3,,failed,digest-mismatch,s2,authentic,,s1,sha256 result reason\r\n"));
        QCOMPARE(
            csv.Record(lines[2]),
            QByteArray("modified,\"/r/c,d.avi\",4,,failed,digest-mismatch,s3,failed,digest-mismatch,s4,sha256\r\n"));
        QCOMPARE(csv.Record(lines[3]), QByteArray("missing,/r/e.avi,5,,failed,unreadable,,authentic,,s5,\r\n"));
        QCOMPARE(csv.Record(lines[4]),
                 clitest::Shown("moved,/r/f.avi,6,/r/g\\xFF.avi,authentic,,s6,authentic,,s6,\r\n"));
        QCOMPARE(csv.Record(lines[5]), QByteArray("new,/r/h.jpg,,,failed,bad-signature,s7,,,,\r\n"));

        QCOMPARE(CheckWriter::Summary({1, 2, 3, 4, 5}),
                 QByteArray("15 files: 1 unchanged, 2 modified, 3 missing, 4 moved, 5 new\n"));
    }

    // A report's path and the file found under a PATH name the same file.
    void normalised()
    {
        // Path, working folder, normalised path.
        QByteArrayList cases = {"a//./b", "/cwd", "/cwd/a/b", "/x/../y/", "/c", "/x/../y", "/", "/c", "/",
                                ".",      "/c/",  "/c",       "./",       "/",  "/",       "b", "/c", "/c/b"};
#ifdef Q_OS_WIN
        // A share keeps its two separators, a path on the current drive gets
        // the working folder's drive or share, the long-path prefix drops.
        cases << QByteArrayList{"\\\\s\\sh\\c.avi",
                                "C:\\w",
                                "//s/sh/c.avi",
                                "\\s\\sh\\c.avi",
                                "c:\\w",
                                "/C:/s/sh/c.avi",
                                "\\x.avi",
                                "\\\\s\\sh\\w",
                                "//s/sh/x.avi",
                                "\\\\?\\UNC\\s\\sh\\c.avi",
                                "C:\\w",
                                "//s/sh/c.avi",
                                "\\\\?\\c:\\l\\c.avi",
                                "D:\\w",
                                "/C:/l/c.avi"};
#endif
        for (int i = 0; i < cases.size(); i += 3)
            QCOMPARE(CustodyCheck::Normalised(cases[i], cases[i + 1]), cases[i + 2]);
    }

    // How a file now compares with its report entry.
    void compare()
    {
        const QByteArray sha(64, 'd');
        ReportEntry authentic;
        authentic.authentic = true;
        authentic.sha256 = sha;
        authentic.fields[6] = QStringLiteral("VH-0042");
        authentic.fieldMask = 1u << 6;
        ReportEntry guarded = authentic;
        guarded.fields[6] = QStringLiteral("=1");
        guarded.guardMask = 1u << 6;
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
            {&authentic, now(AuthAuthentic, sha, "VH-0042"), CustodyStatus::Unchanged, {}},
            {&authentic, now(AuthAuthentic, QByteArray(64, 'e'), "VH-0042"), CustodyStatus::Modified, {"sha256"}},
            {&authentic, now(AuthUnreadable, "", ""), CustodyStatus::Missing, {}},
            {&authentic, now(AuthDigestMismatch, sha, "VH-0042"), CustodyStatus::Modified, {"result", "reason"}},
            {&authentic, now(AuthAuthentic, sha, "VH-0043"), CustodyStatus::Modified, {"serial"}},
            {&guarded, now(AuthAuthentic, sha, "=1"), CustodyStatus::Unchanged, {}},
            {&guarded, now(AuthAuthentic, sha, "'=1"), CustodyStatus::Unchanged, {}},
            {&guarded, now(AuthAuthentic, sha, "1"), CustodyStatus::Modified, {"serial"}},
            {&unreadable, now(AuthUnreadable, "", "x"), CustodyStatus::Unchanged, {}},
            {&unreadable, now(AuthTooShort, sha, ""), CustodyStatus::Modified, {"sha256", "reason"}}};
        for (const Case& c : cases) {
            QStringList changed{QStringLiteral("stale")};
            QCOMPARE(CheckWriter::StatusName(CustodyCheck::Compare(*c.entry, c.now, &changed)),
                     CheckWriter::StatusName(c.status));
            QCOMPARE(changed, c.changed);
        }
    }

    // The progress line: its text, and what it writes to the terminal.
    void progress()
    {
        const QList<qint64> sizes = {0, 1023, 1024, 1126, 1536, 1048576, 1610612736, qint64(5) << 40, qint64(1) << 50};
        const QStringList texts = {"0 B",     "1023 B",  "1.0 KiB", "1.1 KiB",   "1.5 KiB",
                                   "1.0 MiB", "1.5 GiB", "5.0 TiB", "1024.0 TiB"};
        for (int i = 0; i < sizes.size(); ++i)
            QCOMPARE(Progress::FormatBytes(sizes[i]), texts[i]);
        QCOMPARE(Progress::Text(3, 20, 1536, qint64(2) << 30), QStringLiteral("3/20 files, 1.5 KiB/2.0 GiB"));
        QCOMPARE(Progress::Text(3, -1, 1536, 0), QStringLiteral("3 files, 1.5 KiB"));

        Captured out;
        Captured off;
        Progress shown(true, 20, 2048, out.stream);
        Progress quiet(false, 20, 2048, off.stream);
        QTest::qSleep(Progress::IntervalMs + 20);
        shown.Update(1, 1024);
        quiet.Update(1, 1024);
        const QByteArray line = "\r\x1b[K1/20 files, 1.0 KiB/2.0 KiB";
        QCOMPARE(out.Take(), line);
        QVERIFY(shown.IsVisible());
        shown.Update(1, 1024); // the same text is not drawn again
        shown.Hide();
        QCOMPARE(out.Take(), QByteArray("\r\x1b[K"));
        QVERIFY(!shown.IsVisible());
        shown.Show();
        QCOMPARE(out.Take(), line);
        shown.Finish();
        shown.Show();
        shown.Update(2, 2048);
        QCOMPARE(out.Take(), QByteArray("\r\x1b[K"));
        quiet.Show();
        QCOMPARE(off.Take(), QByteArray());
    }

    // The paths given, as the files to verify: a folder (or a link to one)
    // walked, anything else one file with its size (0 when it has none).
    void collect()
    {
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QVERIFY(QDir().mkpath(dir.filePath("f/sub")));
        for (const auto& [name, size] :
             {std::pair<const char*, int>{"/f/b.avi", 700}, {"/f/sub/a.jpg", 600}, {"/f/c.txt", 1}, {"/x.mov", 5}})
            QVERIFY(testsupport::WriteFile((root + name).toStdString(), std::string(size, 'x')));
        std::vector<QByteArray> paths = {root + "/x.mov", root + "/missing.avi", root + "/link", root + "/f/", ""};
        QStringList expected = {
            "/x.mov 5", "/missing.avi 0", "/link/b.avi 700", "/link/sub/a.jpg 600", "/f/b.avi 700", "/f/sub/a.jpg 600",
            " 0"};
#ifdef Q_OS_WIN // QFile::link makes a shortcut there, a file
        paths.erase(paths.begin() + 2);
        expected.remove(2, 2);
#else
        QVERIFY(QFile::link("f", dir.filePath("link")));
#endif
        QStringList jobs;
        for (const FileJob& job : InputCollector::Collect(paths))
            jobs << QString::fromLatin1(job.path.mid(job.path.isEmpty() ? 0 : root.size())) + ' ' +
                        QString::number(job.size) + (job.unreadableFolder ? " unlisted" : "");
        QCOMPARE(jobs, expected);
    }

    // A batch hands the results on in the list's order whatever the jobs,
    // counts the bytes of every file done, and reports every file not
    // finished when it is cancelled.
    void batch()
    {
        using namespace testsupport;
        QTemporaryDir dir;
        const std::string avi = MakeExport(PaddedMedia(MediaType::Avi, 600000), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        const std::string tampered = Flip(avi, 5000);
        struct File
        {
            QString name;
            std::string bytes;
            const char* reason;
        };
        const QList<File> files = {{"a.avi", avi, "authentic"},
                                   {"b.jpg", jpg, "authentic"},
                                   {"missing.avi", "", "unreadable"},
                                   {"c.avi", tampered, "digest-mismatch"}};
        std::vector<FileJob> jobs;
        QStringList expected;
        qint64 total = 0;
        for (const File& file : files) {
            const QByteArray path = QFile::encodeName(dir.filePath(file.name));
            if (!file.bytes.empty())
                QVERIFY(WriteFile(path.toStdString(), file.bytes));
            jobs.push_back({path, qint64(file.bytes.size()), false});
            total += qint64(file.bytes.size());
            expected << file.name + QLatin1Char(' ') + QLatin1String(file.reason) + QLatin1Char(' ') +
                            (file.bytes.empty() ? QString() : clitest::Sha256Hex(file.bytes).left(8));
        }
        jobs.push_back({QFile::encodeName(dir.path()), 0, true});
        expected << QFileInfo(dir.path()).fileName() + QStringLiteral(" unreadable ");

        for (int threads : {1, 3}) {
            QStringList got;
            QList<QPair<qint64, qint64>> progress;
            int batches = 0;
            BatchVerifier::Callbacks callbacks;
            callbacks.result = [&](const FileResult& r) {
                got << QFileInfo(QFile::decodeName(r.path)).fileName() + QLatin1Char(' ') +
                           QLatin1String(AuthResultName(r.result)) + QLatin1Char(' ') +
                           QString::fromLatin1(r.sha256.left(8));
            };
            callbacks.batchEnd = [&] { ++batches; };
            callbacks.progress = [&](qint64 files, qint64 bytes) { progress << qMakePair(files, bytes); };
            BatchVerifier(threads, true).Run(jobs, callbacks);
            QCOMPARE(got, expected);
            QVERIFY(batches >= 1);
            QCOMPARE(progress.last(), qMakePair(qint64(5), total));
            for (int i = 1; i < progress.size(); ++i)
                QVERIFY(progress[i].first >= progress[i - 1].first && progress[i].second <= total);

            const std::atomic<bool> cancel{true};
            QStringList cancelled;
            callbacks.result = [&](const FileResult& r) { cancelled << QLatin1String(AuthResultName(r.result)); };
            BatchVerifier(threads, false).Run(jobs, callbacks, &cancel);
            QCOMPARE(cancelled, QStringList(5, QStringLiteral("cancelled")));
        }
    }

    // Reports as found on disk: how each is read, and why one is refused,
    // with the line. "D" stands for a valid SHA-256.
    void readBack_data()
    {
        QTest::addColumn<QByteArray>("report");
        QTest::addColumn<QStringList>("entries"); // path|sha256|reason|size|serial
        QTest::addColumn<QString>("error");       // after "FILE"

        const QByteArray header = "path,result,reason,start_time,end_time,serial,version,time_source,camera_mac,"
                                  "sha256,size,protected_bytes\r\n";
        const QByteArray json = R"({"path":"a.jpg","result":"authentic","reason":null,"sha256":"D"})";
        const auto row = [](const char* title, const QByteArray& report, const QStringList& entries,
                            const QString& error) {
            QTest::newRow(title) << QByteArray(report).replace("D", QByteArray(64, 'd')) << entries << error;
        };
        row("JSON Lines",
            json + "\n\n" + R"({"path":"b.jpg","result":"failed","reason":"bad-marker","serial":"VH","size":5,)" +
                R"("sha256":"D"})" + "\n",
            {"a.jpg|dddd||-1|", "b.jpg|dddd|bad-marker|5|VH"}, "");
        row("CSV, quoted path over three lines, formula guards, a blank line",
            header + "\"a\r\nb,\"\"c\"\"\nd.avi\",failed,digest-mismatch,,,'=1,,,,D,1,1\r\n" +
                "'=1+2.jpg,failed,'-,,,,,,,D,,\r\n\r\n'x.jpg,failed,unreadable,,,'x,,,,,,\r\n",
            {"a\r\nb,\"c\"\nd.avi|dddd|digest-mismatch|1|=1", "=1+2.jpg|dddd|-|-1|", "'x.jpg||unreadable|-1|'x"}, "");
        row("CSV with LF line ends and only its header", QByteArray(header).replace("\r", ""), {}, "");
        row("CSV after a byte order mark", "\xEF\xBB\xBF" + header + "a.jpg,authentic,,,,,,,,D,7,1\r\n",
            {"a.jpg|dddd||7|"}, "");
        row("JSON after blank lines", " \n\r\n" + json + "\n", {"a.jpg|dddd||-1|"}, "");
        row("CSV row with a field too many", header + "a.jpg,authentic,,,,,,,,D,1,1,x\r\n", {},
            ":2: 13 fields where the header has 12");
        row("foreign CSV", "name,size\r\na,1\r\n", {},
            ":1: not a report of ardentix-verify: neither JSON Lines nor its CSV, whose header starts "
            "\"path,result,reason,\"");
        row("JSON cut off", json + "\n" + json.left(30), {"a.jpg|dddd||-1|"},
            ":2: the last line has no line end: the report is cut off");
        row("CSV cut off in a quoted field", header + "\"a\nb", {},
            ":3: the last line has no line end: the report is cut off");
        row("CSV without sha256", "path,result,reason,size\r\n", {},
            ":1: the report has no sha256 column: it was written without --sha256");
        row("JSON without sha256", QByteArray(json).replace(",\"sha256\":\"D\"", "") + "\n", {},
            ":1: the entry has no SHA-256: the report was written without --sha256");
        row("authentic without SHA-256", QByteArray(json).replace("\"D\"", "\"\"") + "\n", {},
            ":1: the entry has no SHA-256");
        row("SHA-256 not hexadecimal", QByteArray(json).replace("\"D\"", "\"" + QByteArray(64, 'z') + "\"") + "\n", {},
            ":1: the SHA-256 is not 64 lower-case hexadecimal digits");
        row("SHA-256 in upper case", QByteArray(json).replace("\"D\"", "\"" + QByteArray(64, 'D') + "\"") + "\n", {},
            ":1: the SHA-256 is not 64 lower-case hexadecimal digits");
        row("authentic with a reason", QByteArray(json).replace("null", "\"x\"") + "\n", {},
            ":1: an authentic entry with a reason");
        row("failed without a reason, quoted over two lines", header + "\"a\nb\",failed,,,,,,,,D,1,1\r\n", {},
            ":2: a failed entry without a reason");
        row("neither authentic nor failed", QByteArray(json).replace("authentic", "ok") + "\n", {},
            ":1: the result is neither authentic nor failed");
        row("a field that is not text", QByteArray(json).replace("\"reason\"", "\"serial\":5,\"reason\"") + "\n", {},
            ":1: \"serial\" is not text");
        row("CSV row short of fields", header + "a.jpg,authentic,,,,,,,,D,1,1\r\nb.jpg,authentic,\r\n",
            {"a.jpg|dddd||1|"}, ":3: 3 fields where the header has 12");
        row("CSV size not a number", header + "a.jpg,authentic,,,,,,,,D,x,1\r\n", {}, ":2: the size is not a number");
        row("CSV text after a closing quote", header + "\"a\"b,authentic,,,,,,,,D,1,1\r\n", {},
            ":2: text after a closing quote");
        row("JSON that is not a report", "{\"name\":\"x\"}\n", {},
            ":1: not a report of ardentix-verify: no \"path\", \"result\" and \"reason\"");
        row("empty", "\n\n", {}, ": the report is empty");
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

    // The folder walk relies on this: a name is UTF-8 for the verifier
    // exactly when Qt can hold it without loss.
    void validUtf8AgreesWithQt()
    {
        QRandomGenerator random(20240605);
        for (int i = 0; i < 20000; ++i) {
            QByteArray bytes; // biased towards lead and continuation bytes
            for (int b = random.bounded(1, 6); b > 0; --b)
                bytes += char(random.bounded(4) == 0 ? random.bounded(0x80) : 0x80 + random.bounded(0x80));
            const bool qtKeepsIt = QString::fromUtf8(bytes).toUtf8() == bytes;
            QVERIFY2(PathText::IsValidUtf8(bytes) == qtKeepsIt, bytes.toHex().constData());
            if (qtKeepsIt)
                QCOMPARE(PathText::ForReport(bytes), QString::fromUtf8(bytes));
        }
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
            QVERIFY(clitest::WriteBytes(QFile::encodeName(file), report.toStdString()));
            ReportReader reader;
            QVERIFY2(reader.Open(QFile::encodeName(file)), qPrintable(reader.ErrorText()));
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
                // A guarded value reads back as written, or as the other
                // reading of a guard: a value that began with "'".
                for (int f : {6, 7}) {
                    const QString value = clitest::Latin1(f == 6 ? result.record.VHSerial : result.record.CamMAC);
                    QVERIFY(entry.fields[f] == value ||
                            ((entry.guardMask & (1u << f)) != 0 && QLatin1Char('\'') + entry.fields[f] == value));
                }
            }
            QVERIFY2(!reader.Failed(), qPrintable(reader.ErrorText()));
            QCOMPARE(i, written.size());
        }
    }
};

ARDENTIX_REGISTER_TEST(TestReportWriter)
#include "tst_reportwriter.moc"
