// Every report format on genuine and tampered exports, with every reason,
// and the re-check of a saved report (--check).
#include "CliRun.h"
#include "PosixCalls.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QTemporaryDir>

using namespace testsupport;

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

// Who saved the report that --check reads.
enum class ReportSource
{
    Verifier,
    Window
};

// A change to the re-check's folder after its report was saved.
struct Change
{
    enum Kind
    {
        Flip,   // the last byte of a JPG flipped
        Rename, // to newName
        Add     // a new JPG
    } kind;
    QString name;
    QString newName;
};

} // namespace

Q_DECLARE_METATYPE(ReportSource)
Q_DECLARE_METATYPE(Change)

// How many bytes the watermark covers in a file of this name and size: all
// but the block and the unprotected front (AVI 240 bytes, MP4 3145764);
// -1 when the name is not a JPG, AVI or MP4 or the file is too short.
qint64 ExpectedProtectedBytes(const QString& path, qint64 size)
{
    const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
    const qint64 front = suffix == "jpg" ? 0 : suffix == "avi" ? 240 : suffix == "mp4" ? 3145764 : -1;
    return size < 514 || front < 0 ? -1 : qMax<qint64>(0, size - 512 - front);
}

class TestReports : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QList<Case> cases;
    QStringList paths;
    std::string jpgExport; // a genuine JPG export, for the re-check's case

    // A case whose watermark has fields of its own and its media's digest,
    // with the byte at flip changed after export (0: none).
    Case Make(const char* name, const std::string& media, MediaType type, const char* reason, std::int64_t flip = 0,
              bool fieldsRead = true, const std::string& marker = WatermarkFields().marker)
    {
        const int i = int(cases.size()) + 1;
        Case c{name, "", true, reason, fieldsRead, {}};
        c.fields.startTime = QStringLiteral("2013-0%1-02 10:11:12").arg(i % 9 + 1).toStdString();
        c.fields.endTime = QStringLiteral("2013-0%1-02 10:21:%2").arg(i % 9 + 1).arg(10 + i).toStdString();
        c.fields.serial = QStringLiteral("VH-%1-77").arg(1000 + i).toStdString();
        c.fields.timeSource = i % 2 ? "NTP" : "RTC";
        c.fields.camMac = QStringLiteral("00:1A:2B:3C:4D:%1").arg(i, 2, 10, QLatin1Char('0')).toStdString();
        c.fields.version = QStringLiteral("1.%1").arg(i).toStdString();
        c.fields.marker = marker;
        c.fields.hmac = DigestHexOfMedia(media, type);
        c.bytes = MakeExport(media, type, c.fields);
        if (flip != 0)
            c.bytes = Flip(c.bytes, flip);
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

    // The text format: one line a file, the paths padded to the longest (to
    // the widest a path column is, for paths not known in advance), the
    // colour left out when stdout is not a terminal; then the counts.
    QStringList ExpectedText(bool listed) const
    {
        qsizetype width = listed ? ReportWriter::MaxPathWidth : 0;
        for (const QString& path : paths)
            width = listed ? width : qMax(width, path.size());
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
                            PathOf(c).leftJustified(width) + "  " + rest;
        }
        return expected << QStringLiteral("%1 files: %2 authentic, %3 failed")
                               .arg(cases.size())
                               .arg(authentic)
                               .arg(cases.size() - authentic)
                        << QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const std::string jpg = SampleMedia(MediaType::Jpg);
        jpgExport = MakeExport(jpg, MediaType::Jpg);
        const std::string avi = SampleMedia(MediaType::Avi);
        const std::string mp4 = PaddedMedia(MediaType::Mp4, SkipFor(MediaType::Mp4) + 40000);

        cases << Make("genuine.jpg", jpg, MediaType::Jpg, "");
        cases << Make("genuine.avi", avi, MediaType::Avi, "");
        cases << Make("genuine.mp4", mp4, MediaType::Mp4, "");
        // A genuine MP4 too short for any protected byte: authentic, but the
        // watermark vouches for none of its content.
        cases << Make("uncovered.mp4", SampleMedia(MediaType::Mp4), MediaType::Mp4, "");
        cases << Case{"missing.avi", "", false, "unreadable", false, {}};
        cases << Case{"short.avi", avi.substr(0, 300), true, "too-short", false, {}};
        cases << Make("clip.mov", avi, MediaType::Avi, "unsupported-type", 0, false);
        // A byte of the signature, appended after the AVI's media.
        cases << Make("forged.avi", avi, MediaType::Avi, "bad-signature", std::int64_t(avi.size()) + 7, false);
        cases << Make("marker.avi", avi, MediaType::Avi, "bad-marker", 0, true, "Another Watermark");
        cases << Make("tampered.avi", avi, MediaType::Avi, "digest-mismatch", 4000);
        cases << Make("tampered.jpg", jpg, MediaType::Jpg, "digest-mismatch", -1);
        cases << Make("tampered.mp4", mp4, MediaType::Mp4, "digest-mismatch", -700);

        for (const Case& c : cases) {
            if (c.create)
                QVERIFY(WriteFileAt(PathOf(c), c.bytes));
            paths << PathOf(c);
        }
    }

    void formats_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("sha256");
        QTest::addColumn<bool>("listed"); // the paths in a --files-from list
        QTest::newRow("json, one job, sha256") << QStringList{"--format", "json", "-j1", "--sha256"} << true << false;
        QTest::newRow("json, two jobs") << QStringList{"--format=json", "--jobs", "2"} << false << false;
        QTest::newRow("csv") << QStringList{"--format", "csv"} << false << false;
        QTest::newRow("csv, sha256, two jobs") << QStringList{"-f", "csv", "--sha256", "-j", "2"} << true << false;
        QTest::newRow("text, the default") << QStringList() << false << false;
        QTest::newRow("text, two jobs") << QStringList{"--format", "text", "-j2"} << false << false;
        QTest::newRow("text, listed, two jobs") << QStringList{"-j2"} << false << true;
    }

    // Every field of every file; in JSON null where there is no value, 0
    // where it is known and none; in text, each file's line.
    void formats()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, sha256);
        QFETCH(bool, listed);
        const QString list = dir.filePath(QStringLiteral("list.txt"));
        QVERIFY(WriteFileAt(list, (paths.join('\n') + '\n').toStdString()));
        const clitest::Outcome run =
            clitest::Run(options + (listed ? QStringList{QStringLiteral("--files-from"), list} : paths));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QByteArray());
        const bool json = options.contains("json") || options.contains("--format=json");
        if (!json && !options.contains(QLatin1String("csv"))) {
            QCOMPARE(QString::fromUtf8(run.out).split('\n'), ExpectedText(listed));
            return;
        }
        QString error;
        const QList<QJsonObject> objects = json ? clitest::JsonLines(run.out, &error) : QList<QJsonObject>();
        QList<QStringList> records = json ? QList<QStringList>() : clitest::CsvRecords(run.out, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QStringList columns = QStringLiteral("path,result,reason,start_time,end_time,serial,version,time_source,"
                                                   "camera_mac%1,size,protected_bytes")
                                        .arg(sha256 ? ",sha256" : "")
                                        .split(QLatin1Char(','));
        if (!json)
            QCOMPARE(records.takeFirst(), columns);
        QCOMPARE(json ? objects.size() : records.size(), cases.size());
        const QStringList names = {"marker",   "version",     "hmac",   "start_time",
                                   "end_time", "time_source", "serial", "camera_mac"};
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            const QStringList f = ExpectedFields(c); // in the order of names
            const QFileInfo info(PathOf(c));
            const qint64 covered = ExpectedProtectedBytes(PathOf(c), info.size());
            QJsonObject expected = {{"path", PathOf(c)},
                                    {"result", c.reason.isEmpty() ? "authentic" : "failed"},
                                    {"reason", c.reason.isEmpty() ? QJsonValue() : c.reason},
                                    {"size", info.exists() ? QJsonValue(info.size()) : QJsonValue()},
                                    {"protected_bytes", covered >= 0 ? QJsonValue(covered) : QJsonValue()}};
            for (qsizetype n = 0; n < names.size(); ++n)
                expected.insert(names[n], f[n]);
            if (sha256)
                expected.insert("sha256", c.create ? Sha256Hex(c.bytes) : QString());
            if (json) {
                QCOMPARE(objects[i], expected);
                continue;
            }
            // A CSV row holds the same values in its columns, null as empty.
            QStringList row;
            for (const QString& column : columns)
                row << expected.value(column).toVariant().toString();
            QCOMPARE(records[i], row);
        }
    }

private:
    // The re-check's case: a.avi, b.jpg (genuine), c.avi and caf\xE9.jpg
    // (tampered; a name that is not UTF-8, which the report shows as
    // "\\xE9" and which must lead back to the file), in folder, made here.
    bool WriteCheckCase(const QString& folder, QByteArrayList* names) const
    {
        const QByteArray at = QFile::encodeName(folder) + '/';
        *names = {at + "a.avi", at + "b.jpg", at + "c.avi", at + "caf\xe9.jpg"};
        const std::string bytes[] = {MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi), jpgExport,
                                     Flip(cases[1].bytes, 4000), Flip(jpgExport, 100)};
        bool ok = QDir().mkpath(folder);
        for (int i = 0; ok && i < names->size(); ++i)
            ok = clitest::WriteBytes(names->at(i), bytes[i]);
        return ok;
    }

    // The report of files with their SHA-256, saved at saved: the verifier's
    // over folder, or the window's (ReportWriter on each file's result).
    static bool SaveReport(ReportSource source, const QString& format, const QString& folder,
                           const QByteArrayList& files, const QString& saved)
    {
        if (source == ReportSource::Verifier) {
            const clitest::Outcome run =
                clitest::Run({QStringLiteral("--sha256"), QStringLiteral("-f"), format, folder});
            return run.exitCode == 1 && WriteFileAt(saved, run.out.toStdString());
        }
        const ReportFormat as = format == QLatin1String("csv") ? ReportFormat::Csv : ReportFormat::Json;
        return WriteFileAt(saved, ReportOf(as, files).toStdString());
    }

    // A JSON Lines re-check as "status name [new name] [changed,...]" lines,
    // with the count of each status; an unchanged or moved file must be the
    // one the report hashed.
    static QStringList CheckLines(const QByteArray& out, const QStringList& statuses, QList<int>& counts)
    {
        QString error;
        QStringList got;
        for (const QJsonObject& o : clitest::JsonLines(out, &error)) {
            QStringList words = {o.value("status").toString(), QFileInfo(o.value("path").toString()).fileName()};
            if (!o.value("new_path").isNull())
                words << QFileInfo(o.value("new_path").toString()).fileName();
            QStringList changed;
            for (const QJsonValue& value : o.value("changed").toArray())
                changed << value.toString();
            if (!changed.isEmpty())
                words << changed.join(QLatin1Char(','));
            const bool same = o.value("status") == "unchanged" || o.value("status") == "moved";
            if (same && o.value("sha256") != o.value("report_sha256"))
                words << QStringLiteral("<not the file the report hashed>");
            got << words.join(QLatin1Char(' '));
            ++counts[statuses.indexOf(o.value("status").toString())];
        }
        if (!error.isEmpty())
            got << QStringLiteral("<invalid: %1>").arg(error);
        return got;
    }

private slots:
    // The case above saved as a report by the verifier or the window, then
    // changed, then re-checked.
    void check_data()
    {
        QTest::addColumn<ReportSource>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QList<Change>>("changes");
        QTest::addColumn<int>("walk"); // how many times the folder is given as a PATH
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("status");
        const auto row = [](const char* title, ReportSource source, const char* format, const QList<Change>& changes,
                            int walk, const QStringList& lines, int status) {
            QTest::newRow(title) << source << QString::fromLatin1(format) << changes << walk << lines << status;
        };
        const auto cli = ReportSource::Verifier;
        const auto window = ReportSource::Window;
        const QStringList same = {"unchanged a.avi", "unchanged b.jpg", "unchanged c.avi"};
        const Change renameA{Change::Rename, "a.avi", "d.avi"};
        const Change addE{Change::Add, "e.jpg", ""};
        row("cli json, untouched", cli, "json", {}, 1, same, 0);
        row("window csv, untouched, no PATH", window, "csv", {}, 0, same, 0);
        row("cli csv, one byte changed", cli, "csv", {{Change::Flip, "b.jpg", ""}}, 1,
            {"unchanged a.avi", "modified b.jpg sha256,result,reason", "unchanged c.avi"}, 1);
        row("window json, renamed", window, "json", {renameA}, 1,
            {"moved a.avi d.avi", "unchanged b.jpg", "unchanged c.avi"}, 1);
        row("window csv, renamed, folder not given", window, "csv", {renameA}, 0,
            {"missing a.avi", "unchanged b.jpg", "unchanged c.avi"}, 1);
        row("cli csv, a file added", cli, "csv", {addE}, 1, same + QStringList{"new e.jpg"}, 1);
        // A file reached through two PATHs is one file.
        row("cli json, deleted and added, folder given twice", cli, "json",
            {{Change::Rename, "c.avi", "../c.avi"}, addE}, 2,
            {"unchanged a.avi", "unchanged b.jpg", "missing c.avi", "new e.jpg"}, 1);
    }

    void check()
    {
        QFETCH(ReportSource, source);
        QFETCH(QString, format);
        QFETCH(QList<Change>, changes);
        QFETCH(int, walk);
        QFETCH(QStringList, lines);
        QFETCH(int, status);
#ifdef Q_OS_WIN
        if (IsDBCSLeadByte(0xE9))
            QSKIP("the byte E9 is half a character in this ANSI code page: no name holds it alone");
#endif
        clitest::ScratchDir scratch;
        const QString folder = scratch.filePath(QStringLiteral("case"));
        const auto at = [&](const QString& name) { return QDir(folder).filePath(name); };
        QByteArrayList files;
        QVERIFY(WriteCheckCase(folder, &files));
        lines.insert(3, QString::fromUtf8(Shown("unchanged caf\\xE9.jpg")));
        const QString saved = scratch.filePath(QStringLiteral("report.") + format);
        QVERIFY(SaveReport(source, format, folder, files, saved));

        for (const Change& change : changes) {
            if (change.kind == Change::Flip)
                QVERIFY(WriteFileAt(at(change.name), Flip(jpgExport, -1)));
            else if (change.kind == Change::Rename)
                QVERIFY(QFile::rename(at(change.name), at(change.newName)));
            else
                QVERIFY(WriteFileAt(at(change.name), jpgExport + "x"));
        }

        QStringList arguments = {QStringLiteral("--check"), saved};
        for (int i = 0; i < walk; ++i)
            arguments << (i == 0 ? folder : folder + QStringLiteral("/./"));
        clitest::Outcome json = clitest::Run(QStringList{"-f", "json", "-j2"} + arguments);
        QCOMPARE(json.exitCode, status);
        const QStringList statuses = {"unchanged", "modified", "missing", "moved", "new"};
        QList<int> counts(statuses.size(), 0);
        QCOMPARE(CheckLines(json.out, statuses, counts), lines);
        QByteArray summary = QByteArray::number(lines.size()) + " files";
        for (int s = 0; s < statuses.size(); ++s)
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

    // A report with relative paths, written in the folder above the case,
    // then one file changed: checked from there, or from elsewhere with
    // --base naming that folder, one file is modified; from elsewhere
    // without it, nothing is where the report says, and a note names the
    // folder the paths were read against. The note comes only when more
    // than half of the entries are not found.
    void checkRelativeBase_data()
    {
        QTest::addColumn<bool>("elsewhere");         // run from another folder than the report's
        QTest::addColumn<bool>("base");              // give --base with the report's folder
        QTest::addColumn<QByteArrayList>("removed"); // files of the case removed after the report
        QTest::addColumn<QString>("statuses");
        QTest::addColumn<int>("unfound"); // the note's count of entries not found; 0: no note
        QTest::newRow("from the report's folder")
            << false << false << QByteArrayList() << "unchanged modified unchanged unchanged" << 0;
        QTest::newRow("from elsewhere, with --base")
            << true << true << QByteArrayList() << "unchanged modified unchanged unchanged" << 0;
        QTest::newRow("from elsewhere, without it")
            << true << false << QByteArrayList() << "moved missing moved moved new" << 4;
        QTest::newRow("half of the entries gone")
            << false << false << QByteArrayList{"a.avi", "c.avi"} << "missing modified missing unchanged" << 0;
        QTest::newRow("just over half of the entries gone")
            << false << false << QByteArrayList{"a.avi", "c.avi", "caf\xe9.jpg"} << "missing modified missing missing"
            << 3;
    }

    void checkRelativeBase()
    {
        ARDENTIX_SKIP_ON_WINDOWS("the case holds a name that is not UTF-8");
        QFETCH(bool, elsewhere);
        QFETCH(bool, base);
        QFETCH(QByteArrayList, removed);
        QFETCH(QString, statuses);
        QFETCH(int, unfound);
        clitest::ScratchDir scratch;
        const QByteArray top = QFile::encodeName(scratch.path());
        QVERIFY(QDir().mkpath(scratch.filePath("elsewhere")));
        QByteArrayList files;
        QVERIFY(WriteCheckCase(scratch.filePath("case"), &files));
        const clitest::Outcome saved = clitest::RunRaw({"--sha256", "-f", "json", "case"}, top);
        QVERIFY(saved.out.contains("\"path\":\"case/a.avi\""));
        QVERIFY(clitest::WriteBytes(top + "/rel.jsonl", saved.out.toStdString()));
        QVERIFY(WriteFileAt(scratch.filePath("case/b.jpg"), Flip(jpgExport, -1)));
        for (const QByteArray& name : removed)
            QCOMPARE(unlink((top + "/case/" + name).constData()), 0);

        QList<QByteArray> arguments = {"-f", "json", "--check", top + "/rel.jsonl"};
        if (base)
            arguments << "--base" << top;
        const clitest::Outcome check =
            clitest::RunRaw(arguments << top + "/case", elsewhere ? top + "/elsewhere" : top);
        QCOMPARE(check.exitCode, 1);
        QCOMPARE(clitest::JsonValues(check.out, QStringLiteral("status")).join(' '), statuses);
        QCOMPARE(check.err.contains("note:"), unfound > 0);
        QCOMPARE(check.err.contains("note: " + QByteArray::number(unfound) +
                                    " of 4 entries were not found at their paths; the report's relative paths "
                                    "were read against " +
                                    (elsewhere ? top + "/elsewhere" : top) + " (--base FOLDER"),
                 unfound > 0);
    }
};

ARDENTIX_REGISTER_TEST(TestReports)
#include "tst_reports.moc"
