// Every report format on genuine and tampered exports, with every reason,
// and the re-check of a saved report (--check).
#include "BatchVerifier.h"
#include "CliRun.h"
#include "PosixCalls.h"
#include "ReportWriter.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QTemporaryDir>

using namespace testsupport;
using clitest::Latin1;

namespace {

struct Case
{
    QString name;
    std::string bytes;
    bool create = true;
    QString reason; // empty: authentic
    bool fieldsRead = false;
    WatermarkFields fields;
};

WatermarkFields FieldsFor(int i)
{
    WatermarkFields fields;
    fields.startTime = QStringLiteral("2013-0%1-02 10:11:12").arg(i % 9 + 1).toStdString();
    fields.endTime = QStringLiteral("2013-0%1-02 10:21:%2").arg(i % 9 + 1).arg(10 + i).toStdString();
    fields.serial = QStringLiteral("VH-%1-77").arg(1000 + i).toStdString();
    fields.timeSource = i % 2 ? "NTP" : "RTC";
    fields.camMac = QStringLiteral("00:1A:2B:3C:4D:%1").arg(i, 2, 10, QLatin1Char('0')).toStdString();
    fields.version = QStringLiteral("1.%1").arg(i).toStdString();
    return fields;
}

} // namespace

// How many bytes the watermark covers in a file of this name and size: all
// but the block and the unprotected front (AVI 240 bytes, MP4 3145764);
// -1 when the name is not a JPG, AVI or MP4 or the file is too short.
qint64 ExpectedProtectedBytes(const QString& path, qint64 size)
{
    const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
    if (size < 514)
        return -1;
    if (suffix == QLatin1String("jpg"))
        return size - 512;
    if (suffix == QLatin1String("avi"))
        return qMax<qint64>(0, size - 512 - 240);
    if (suffix == QLatin1String("mp4"))
        return qMax<qint64>(0, size - 512 - 3145764);
    return -1;
}

class TestReports : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QList<Case> cases;
    QStringList paths;

    Case Make(const QString& name, const std::string& media, MediaType type, int i, const QString& reason,
              const std::string& marker = WatermarkFields().marker)
    {
        Case c;
        c.name = name;
        c.fields = FieldsFor(i);
        c.fields.marker = marker;
        c.fields.hmac = DigestHexOfMedia(media, type);
        c.bytes = MakeExport(media, type, c.fields);
        c.reason = reason;
        c.fieldsRead = true;
        return c;
    }

    QString PathOf(const Case& c) const { return dir.filePath(c.name); }

    // The field values the report must show for a case: the watermark's when
    // it was read, empty otherwise.
    QStringList ExpectedFields(const Case& c) const
    {
        if (!c.fieldsRead)
            return QStringList(8, QString());
        const WatermarkFields& f = c.fields;
        return {Latin1(f.marker),  Latin1(f.version),    Latin1(f.hmac),   Latin1(f.startTime),
                Latin1(f.endTime), Latin1(f.timeSource), Latin1(f.serial), Latin1(f.camMac)};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const std::string jpg = SampleMedia(MediaType::Jpg);
        const std::string avi = SampleMedia(MediaType::Avi);
        const std::string mp4 = PaddedMedia(MediaType::Mp4, SkipFor(MediaType::Mp4) + 40000);

        cases << Make(QStringLiteral("genuine.jpg"), jpg, MediaType::Jpg, 1, QString());
        cases << Make(QStringLiteral("genuine.avi"), avi, MediaType::Avi, 2, QString());
        cases << Make(QStringLiteral("genuine.mp4"), mp4, MediaType::Mp4, 3, QString());
        // A genuine MP4 too short for any protected byte: authentic, but the
        // watermark vouches for none of its content.
        cases << Make(QStringLiteral("uncovered.mp4"), SampleMedia(MediaType::Mp4), MediaType::Mp4, 4, QString());

        Case missing;
        missing.name = QStringLiteral("missing.avi");
        missing.create = false;
        missing.reason = QStringLiteral("unreadable");
        cases << missing;

        Case shortFile;
        shortFile.name = QStringLiteral("short.avi");
        shortFile.bytes = avi.substr(0, 300);
        shortFile.reason = QStringLiteral("too-short");
        cases << shortFile;

        Case mov = Make(QStringLiteral("clip.mov"), avi, MediaType::Avi, 4, QStringLiteral("unsupported-type"));
        mov.fieldsRead = false;
        cases << mov;

        Case forged = Make(QStringLiteral("forged.avi"), avi, MediaType::Avi, 5, QStringLiteral("bad-signature"));
        forged.bytes = Flip(forged.bytes, BlockOffset(std::int64_t(forged.bytes.size()), MediaType::Avi) + 7);
        forged.fieldsRead = false;
        cases << forged;

        cases << Make(QStringLiteral("marker.avi"), avi, MediaType::Avi, 6, QStringLiteral("bad-marker"),
                      "Another Watermark");

        Case tamperedAvi =
            Make(QStringLiteral("tampered.avi"), avi, MediaType::Avi, 7, QStringLiteral("digest-mismatch"));
        tamperedAvi.bytes = Flip(tamperedAvi.bytes, 4000);
        cases << tamperedAvi;
        Case tamperedJpg =
            Make(QStringLiteral("tampered.jpg"), jpg, MediaType::Jpg, 8, QStringLiteral("digest-mismatch"));
        tamperedJpg.bytes = Flip(tamperedJpg.bytes, -1);
        cases << tamperedJpg;
        Case tamperedMp4 =
            Make(QStringLiteral("tampered.mp4"), mp4, MediaType::Mp4, 9, QStringLiteral("digest-mismatch"));
        tamperedMp4.bytes = Flip(tamperedMp4.bytes, -700);
        cases << tamperedMp4;

        for (const Case& c : cases) {
            if (c.create)
                QVERIFY(clitest::WriteBytes(QFile::encodeName(PathOf(c)), c.bytes));
            paths << PathOf(c);
        }
    }

    void formats_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("sha256");
        QTest::newRow("json, one job, sha256") << QStringList{"--format", "json", "-j1", "--sha256"} << true;
        QTest::newRow("json, two jobs") << QStringList{"--format=json", "--jobs", "2"} << false;
        QTest::newRow("csv") << QStringList{"--format", "csv"} << false;
        QTest::newRow("csv, sha256, two jobs") << QStringList{"-f", "csv", "--sha256", "-j", "2"} << true;
    }

    // Every field of every file; in JSON null where there is no value, 0
    // where it is known and none.
    void formats()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, sha256);
        const clitest::Outcome run = clitest::Run(options + paths);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray());
        const bool json = options.contains("json") || options.contains("--format=json");
        QString error;
        const QList<QJsonObject> objects = json ? clitest::JsonLines(run.out, &error) : QList<QJsonObject>();
        QList<QStringList> records = json ? QList<QStringList>() : clitest::CsvRecords(run.out, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        if (!json)
            QCOMPARE(records.takeFirst().join(','), QStringLiteral("path,result,reason,start_time,end_time,serial,"
                                                                   "version,time_source,camera_mac%1,size,"
                                                                   "protected_bytes")
                                                        .arg(sha256 ? ",sha256" : ""));
        QCOMPARE(json ? objects.size() : records.size(), cases.size());
        const QStringList names = {"marker",   "version",     "hmac",   "start_time",
                                   "end_time", "time_source", "serial", "camera_mac"};
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            const QStringList f = ExpectedFields(c); // marker, version, hmac, start, end, source, serial, mac
            const QFileInfo info(PathOf(c));
            const qint64 covered = ExpectedProtectedBytes(PathOf(c), info.size());
            const QString hash = c.create ? clitest::Sha256Hex(c.bytes) : QString();
            if (json) {
                QJsonObject expected = {{"path", PathOf(c)},
                                        {"result", c.reason.isEmpty() ? "authentic" : "failed"},
                                        {"reason", c.reason.isEmpty() ? QJsonValue() : c.reason},
                                        {"size", info.exists() ? QJsonValue(info.size()) : QJsonValue()},
                                        {"protected_bytes", covered >= 0 ? QJsonValue(covered) : QJsonValue()}};
                for (qsizetype n = 0; n < names.size(); ++n)
                    expected.insert(names[n], f[n]);
                if (sha256)
                    expected.insert("sha256", hash);
                QCOMPARE(objects[i], expected);
                continue;
            }
            QStringList expected = {
                PathOf(c), c.reason.isEmpty() ? "authentic" : "failed", c.reason, f[3], f[4], f[6], f[1], f[5], f[7]};
            if (sha256)
                expected << hash;
            expected << (info.exists() ? QString::number(info.size()) : "")
                     << (covered >= 0 ? QString::number(covered) : "");
            QCOMPARE(records[i], expected);
        }
    }

    void text_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("default format") << QStringList();
        QTest::newRow("text, two jobs") << QStringList{"--format", "text", "-j2"};
    }

    void text()
    {
        QFETCH(QStringList, options);
        const clitest::Outcome run = clitest::Run(options + paths);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray());
        // One line a file, the paths padded to the longest, the colour left
        // out when stdout is not a terminal; then the counts.
        qsizetype width = 0;
        for (const QString& path : paths)
            width = qMax(width, path.size());
        QStringList expected;
        qsizetype authentic = 0;
        for (const Case& c : cases) {
            QString rest = c.reason;
            if (c.reason.isEmpty()) {
                ++authentic;
                rest = Latin1(c.fields.startTime) + "  " + Latin1(c.fields.endTime) + "  " + Latin1(c.fields.serial);
                if (ExpectedProtectedBytes(PathOf(c), c.bytes.size()) == 0)
                    rest += QStringLiteral("  WARNING: the watermark covers no byte of this file");
            }
            expected << QString::fromLatin1(c.reason.isEmpty() ? "authentic" : "failed").leftJustified(11) +
                            PathOf(c).leftJustified(width + 2) + rest;
        }
        expected << QStringLiteral("%1 files: %2 authentic, %3 failed")
                        .arg(cases.size())
                        .arg(authentic)
                        .arg(cases.size() - authentic)
                 << QString();
        QCOMPARE(QString::fromUtf8(run.out).split('\n'), expected);
    }

    // A folder of a.avi, b.jpg (genuine), c.avi and caf\xE9.jpg (tampered; a
    // name that is not UTF-8), saved as a
    // report by the verifier or as the window saves it (ReportWriter with
    // the SHA-256, on each file's result), then changed, then re-checked.
    void check_data()
    {
        QTest::addColumn<QString>("report"); // "cli" or "window", then the format
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("walk"); // how many times the folder is given as a PATH
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("status");
        const auto row = [](const char* title, const char* report, const char* change, int walk,
                            const QStringList& lines,
                            int status) { QTest::newRow(title) << report << change << walk << lines << status; };
        const QStringList same = {"unchanged a.avi", "unchanged b.jpg", "unchanged c.avi"};
        row("cli json, untouched", "cli json", "", 1, same, 0);
        row("window csv, untouched, no PATH", "window csv", "", 0, same, 0);
        row("cli csv, one byte changed", "cli csv", "flip b.jpg", 1,
            {"unchanged a.avi", "modified b.jpg sha256,result,reason", "unchanged c.avi"}, 1);
        row("window json, renamed", "window json", "rename a.avi d.avi", 1,
            {"moved a.avi d.avi", "unchanged b.jpg", "unchanged c.avi"}, 1);
        row("window csv, renamed, folder not given", "window csv", "rename a.avi d.avi", 0,
            {"missing a.avi", "unchanged b.jpg", "unchanged c.avi"}, 1);
        // A file reached through two PATHs is one file.
        row("cli json, deleted and added, folder given twice", "cli json", "rename c.avi ../c.avi; add e.jpg", 2,
            {"unchanged a.avi", "unchanged b.jpg", "missing c.avi", "new e.jpg"}, 1);
    }

    void check()
    {
        QFETCH(QString, report);
        QFETCH(QString, change);
        QFETCH(int, walk);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
#ifdef Q_OS_WIN
        if (IsDBCSLeadByte(0xE9))
            QSKIP("the byte E9 is half a character in this ANSI code page: no name holds it alone");
#endif
        clitest::ScratchDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("case"));
        QVERIFY(QDir().mkpath(folder));
        const auto at = [&](const QString& name) { return QDir(folder).filePath(name); };
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        QVERIFY(clitest::WriteBytes(QFile::encodeName(at("a.avi")),
                                    MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(at("b.jpg")), jpg));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(at("c.avi")), Flip(cases[1].bytes, 4000)));
        // A name that is not UTF-8: the report shows "\\xE9", which must
        // lead back to the file.
        const QByteArray latin1Name = QFile::encodeName(folder) + "/caf\xe9.jpg";
        QVERIFY(clitest::WriteBytes(latin1Name, Flip(jpg, 100)));
        lines.insert(3, QString::fromUtf8(clitest::Shown("unchanged caf\\xE9.jpg")));

        const QString format = report.section(QLatin1Char(' '), 1);
        const QString saved = scratch.filePath(QStringLiteral("report.") + format);
        if (report.startsWith(QLatin1String("cli"))) {
            const clitest::Outcome run =
                clitest::Run({QStringLiteral("--sha256"), QStringLiteral("-f"), format, folder});
            QCOMPARE(run.exitCode, 1);
            QVERIFY(clitest::WriteBytes(QFile::encodeName(saved), run.out.toStdString()));
        } else {
            const ReportWriter writer({format == QLatin1String("csv") ? ReportFormat::Csv : ReportFormat::Json, true});
            VerifyOptions withSha256;
            withSha256.sha256 = true;
            QByteArray bytes = writer.Header();
            for (const QByteArray& name : {QFile::encodeName(at("a.avi")), QFile::encodeName(at("b.jpg")),
                                           QFile::encodeName(at("c.avi")), latin1Name})
                bytes += writer.Record(VerifyFile({name, 0, false}, withSha256));
            QVERIFY(clitest::WriteBytes(QFile::encodeName(saved), bytes.toStdString()));
        }

        for (const QString& step : change.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
            const QStringList words = step.split(QLatin1Char(' '));
            if (words[0] == QLatin1String("flip"))
                QVERIFY(clitest::WriteBytes(QFile::encodeName(at(words[1])), Flip(jpg, -1)));
            else if (words[0] == QLatin1String("rename"))
                QVERIFY(QFile::rename(at(words[1]), at(words[2])));
            else
                QVERIFY(clitest::WriteBytes(QFile::encodeName(at(words[1])), jpg + "x"));
        }

        QStringList arguments = {QStringLiteral("--check"), saved};
        for (int i = 0; i < walk; ++i)
            arguments << (i == 0 ? folder : folder + QStringLiteral("/./"));
        clitest::Outcome json = clitest::Run(QStringList{"-f", "json", "-j2"} + arguments);
        QCOMPARE(json.exitCode, status);
        QString error;
        QStringList got;
        int counts[5] = {};
        const QStringList statuses = {"unchanged", "modified", "missing", "moved", "new"};
        for (const QJsonObject& o : clitest::JsonLines(json.out, &error)) {
            QString line = o.value(QLatin1String("status")).toString() + QLatin1Char(' ') +
                           QFileInfo(o.value(QLatin1String("path")).toString()).fileName();
            if (!o.value(QLatin1String("new_path")).isNull())
                line += QLatin1Char(' ') + QFileInfo(o.value(QLatin1String("new_path")).toString()).fileName();
            QStringList changed;
            for (const QJsonValue& value : o.value(QLatin1String("changed")).toArray())
                changed << value.toString();
            if (!changed.isEmpty())
                line += QLatin1Char(' ') + changed.join(QLatin1Char(','));
            got << line;
            // An unchanged or moved file is the one the report hashed.
            if (o.value("status") == "unchanged" || o.value("status") == "moved")
                QCOMPARE(o.value("sha256"), o.value("report_sha256"));
            ++counts[statuses.indexOf(o.value(QLatin1String("status")).toString())];
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(got, lines);
        QByteArray summary = QByteArray::number(lines.size()) + " files";
        for (int s = 0; s < 5; ++s)
            summary += (s == 0 ? ": " : ", ") + QByteArray::number(counts[s]) + ' ' + statuses[s].toUtf8();
        summary += '\n';
#ifdef Q_OS_WIN // the standard error is text there
        json.err.replace("\r\n", "\n");
#endif
        QCOMPARE(json.err, summary);

        // The text format: one line per file in the same order, then the
        // summary.
        const clitest::Outcome text = clitest::Run(QStringList{"-j1"} + arguments);
        QCOMPARE(text.exitCode, status);
        const QList<QByteArray> textLines = text.out.split('\n');
        QCOMPARE(textLines.size(), lines.size() + 2);
        for (qsizetype i = 0; i < lines.size(); ++i)
            QVERIFY2(textLines[i].startsWith(lines[i].section(QLatin1Char(' '), 0, 0).toUtf8() + ' '),
                     textLines[i].constData());
        QCOMPARE(textLines[lines.size()] + '\n', summary);
    }
};

ARDENTIX_REGISTER_TEST(TestReports)
#include "tst_reports.moc"
