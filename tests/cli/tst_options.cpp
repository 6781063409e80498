// Exit status, order under --jobs, --sha256, --version, and what changes
// when stdout and stderr are a terminal; the progress line's text, and what
// it writes there.
#include "CliRun.h"
#include "PosixCalls.h"
#include "Progress.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

using namespace testsupport;

namespace {

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

class TestOptions : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::string genuineAvi;

    // "@name" in a test row stands for a file or folder in the fixture.
    QStringList Expand(const QStringList& arguments) const
    {
        QStringList out;
        for (const QString& argument : arguments)
            out << (argument.startsWith(QLatin1Char('@')) ? dir.filePath(argument.mid(1)) : argument);
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        genuineAvi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        QVERIFY(WriteFileAt(dir.filePath("genuine.avi"), genuineAvi));
        QVERIFY(WriteFileAt(dir.filePath("genuine.jpg"), jpg));
        QVERIFY(WriteFileAt(dir.filePath("tampered.avi"), Flip(genuineAvi, 3000)));
        QVERIFY(WriteFileAt(dir.filePath("good/a.avi"), genuineAvi));
        QVERIFY(WriteFileAt(dir.filePath("good/deep/b.jpg"), jpg));
        QVERIFY(WriteFileAt(dir.filePath("mixed/a.avi"), genuineAvi));
        QVERIFY(WriteFileAt(dir.filePath("mixed/b.avi"), Flip(genuineAvi, 3000)));
        QVERIFY(WriteFileAt(dir.filePath("nomedia/c.txt"), genuineAvi));
        QVERIFY(WriteFileAt(dir.filePath("nomedia/d.mp4.bak"), genuineAvi));
        QVERIFY(WriteFileAt(dir.filePath("nomedia/.hidden.avi"), genuineAvi));
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("empty"))));
        QVERIFY(QFile::link(QStringLiteral("good"), dir.filePath(QStringLiteral("linked"))));
        // Reports that --check refuses before it verifies anything.
        const std::string entry = "{\"path\":\"" + dir.filePath(QStringLiteral("genuine.avi")).toStdString() +
                                  "\",\"result\":\"authentic\",\"reason\":null,\"sha256\":\"" + std::string(64, 'd') +
                                  "\"}\n";
        QVERIFY(WriteFileAt(dir.filePath("cut.jsonl"), entry + entry.substr(0, 40)));
        QVERIFY(WriteFileAt(dir.filePath("whole.jsonl"), entry));
        QVERIFY(WriteFileAt(dir.filePath("nosha.csv"), "path,result,reason,size\r\n"));
        QVERIFY(WriteFileAt(dir.filePath("foreign.csv"), "name,size\r\na.avi,1\r\n"));
        QVERIFY(WriteFileAt(dir.filePath("empty.jsonl"), "\n"));
        QVERIFY(
            WriteFileAt(dir.filePath("wide.csv"), "path,result,reason,start_time,end_time,serial,version,time_source,"
                                                  "camera_mac,sha256,size,protected_bytes\r\na.avi,authentic,,,,,,,," +
                                                      std::string(64, 'd') + ",1,1,x\r\n"));
#ifndef Q_OS_WIN
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.jsonl")).constData(), 0600), 0);
#endif
        // For the order of the files: large ones first and between small
        // ones, then more, made in another order than their names'.
        for (const QString name : {"l1.avi", "s1.avi", "s2.jpg", "l2.avi", "s3.avi", "s4.avi", "é.avi", "b.avi",
                                   "a/x.avi", "a.avi", "a-b.avi", "_c.avi", "Z.avi", "B.avi"}) {
            std::string bytes = name.endsWith(QLatin1String(".jpg")) ? jpg : genuineAvi;
            if (name.startsWith(QLatin1Char('l')))
                bytes = MakeExport(PaddedMedia(MediaType::Avi, std::int64_t(name == "l1.avi" ? 64 : 24) << 20),
                                   MediaType::Avi);
            QVERIFY(WriteFileAt(dir.filePath("order/" + name), bytes));
        }
    }

    // The exit status and the files reported, for PATHs and lists, and the
    // usage errors, with their words where a row gives them.
    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("list"); // on standard input; "@" stands for the fixture's folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("reported"); // paths in order (JSON); empty: stdout must be empty
        QTest::addColumn<QByteArray>("message");   // stderr's first line after the name; "@" as in list

        // The arguments separated by spaces.
        const auto row = [](const char* title, const char* arguments, int status, const QStringList& reported,
                            const QByteArray& list = QByteArray(), const QByteArray& message = QByteArray()) {
            QTest::newRow(title) << QString::fromLatin1(arguments).split(' ', Qt::SkipEmptyParts) << list << status
                                 << reported << message;
        };
        // A usage error or a refused report, with its words.
        const auto refused = [&row](const char* title, const char* arguments, const char* message) {
            row(title, arguments, 2, {}, QByteArray(), message);
        };
        const QStringList good = {"good/a.avi", "good/deep/b.jpg"};
        row("one authentic file", "--format=json @genuine.avi", 0, {"genuine.avi"});
        row("authentic files and a folder", "--format=json @genuine.jpg @good @genuine.avi", 0,
            QStringList{"genuine.jpg"} + good + QStringList{"genuine.avi"});
        row("one tampered among authentic", "--format=json @genuine.avi @tampered.avi", 1,
            {"genuine.avi", "tampered.avi"});
        row("folder with a tampered file", "--format=json @mixed", 1, {"mixed/a.avi", "mixed/b.avi"});
        row("missing path", "--format=json @missing.avi", 1, {"missing.avi"});
        row("missing path and authentic file", "--format=json @genuine.avi @missing.avi", 1,
            {"genuine.avi", "missing.avi"});
        row("empty folder and authentic file", "--format=json @empty @genuine.avi", 0, {"genuine.avi"});
#ifndef Q_OS_WIN // QFile::link makes a shortcut there, a file
        row("a symbolic link to a folder", "--format=json @linked @linked/a.avi", 0,
            {"linked/a.avi", "linked/deep/b.jpg", "linked/a.avi"});
#endif
        row("jobs at its most", "--jobs=1024 --format=json @genuine.avi", 0, {"genuine.avi"});
        row("empty folder", "--format=json @empty", 2, {});
        row("folder with no matching file", "--format=json @nomedia", 2, {});
        row("two folders without files", "@nomedia @empty", 2, {});
        row("no PATH", "--format=json", 2, {});
        row("unknown option", "--fast @genuine.avi", 2, {});
        row("unknown format", "--format xml @genuine.avi", 2, {});
        row("format without value", "--format", 2, {});
        row("zero jobs", "--jobs 0 @genuine.avi", 2, {});
        row("jobs not a number", "-j two @genuine.avi", 2, {});
        row("jobs above its most", "--jobs=1025 @genuine.avi", 2, {});
        row("negative jobs", "--jobs=-3 @genuine.avi", 2, {});
        row("check: report cut off", "--check @cut.jsonl @good", 2, {});
        row("check: CSV without sha256", "--check @nosha.csv", 2, {});
        row("check: foreign CSV", "--check @foreign.csv @good", 2, {});
#ifdef Q_OS_WIN // a folder cannot be opened as a file there, and the system says why
        row("check: a folder for a report", "--check @good", 2, {});
#else
        refused("check: a folder for a report", "--check @good", "@good: not a regular file");
        refused("check: a FIFO for a report", "--check @pipe.jsonl", "@pipe.jsonl: not a regular file");
        refused("check: a device for a report", "--check /dev/null", "/dev/null: not a regular file");
#endif
        refused("check: an empty report, no line named", "--check @empty.jsonl", "@empty.jsonl: the report is empty");
        refused("check: a CSV row with a field too many", "--check @wide.csv",
                "@wide.csv:2: 13 fields where the header has 12");
        row("check: no such report", "--check @missing.jsonl", 2, {});
        row("check with --files-from", "--check @cut.jsonl --files-from @cut.jsonl", 2, {});
        row("check with -0", "--check @whole.jsonl -0 @good", 2, {});
        row("check with --sha256", "--check @whole.jsonl --sha256 @good", 2, {});
        row("--base without --check", "--base @good @genuine.avi", 2, {});
        refused("--base without --check or a PATH", "--base @good",
                "--base applies to the report of --check: give --check too");
        refused("-0 without --files-from or a PATH", "-0",
                "-0 applies to the --files-from list: give --files-from too");
        // --files-from: the list is read as the files are verified.
        row("lines on standard input, a folder among them", "--format=json --files-from=-", 1,
            QStringList{"genuine.avi"} + good + QStringList{"tampered.avi"}, "@genuine.avi\n@good\n@tampered.avi\n");
        row("NUL-separated, no final separator", "--format=json -0 --files-from=-", 0, {"genuine.avi", "genuine.jpg"},
            QByteArray("@genuine.avi\0@genuine.jpg", 25));
        row("list order under --jobs 3", "--format=json --files-from=- --jobs=3", 1,
            {"tampered.avi", "genuine.jpg", "mixed/a.avi", "mixed/b.avi", "genuine.avi"},
            "@tampered.avi\n@genuine.jpg\n@mixed\n@genuine.avi\n");
        row("after the PATHs", "--format=json @genuine.avi --files-from=-", 0, {"genuine.avi", "genuine.jpg"},
            "@genuine.jpg\n");
        row("a missing path", "--format=json --files-from=-", 1, {"missing.avi"}, "@missing.avi\n");
        row("an empty list", "--format=json --files-from=-", 2, {});
        row("an empty line", "--format=json --files-from=-", 2, {"genuine.avi"}, "@genuine.avi\n\n@genuine.jpg\n",
            "entry 2 of the list standard input is empty: every entry must name a path");
        row("an empty line in a list file", "--format=json --files-from @list.txt", 2, {"genuine.avi", "genuine.jpg"},
            "@genuine.avi\n@genuine.jpg\n\n", "entry 3 of the list @list.txt is empty: every entry must name a path");
        row("a NUL byte in a line list", "--format=json --files-from=-", 2, {},
            QByteArray("@genuine.avi\0@genuine.jpg\n", 26));
        row("a missing list file", "--format=json --files-from @no-such-list", 2, {});
        row("-0 without a list", "--format=json -0 @good", 2, {});
        row("a folder without exports goes on to the next", "--format=json --files-from=-", 0, {"genuine.avi"},
            "@nomedia\n@genuine.avi\n");
        // The small files finish first, yet come in their place; a folder's
        // come in byte-wise order, given with a final slash too. Bytes: '-'
        // 2D < '.' 2E < '/' 2F < 'B' 42 < 'Z' 5A < '_' 5F < 'a' 61 < 'b' 62 <
        // 'l' 6C < 's' 73 < 0xC3.
        const QStringList given = {"order/l1.avi", "order/s1.avi", "order/s2.jpg",
                                   "order/l2.avi", "order/s3.avi", "order/s4.avi"};
        QStringList sorted = {"B.avi",  "Z.avi",  "_c.avi", "a-b.avi", "a.avi",  "a/x.avi", "b.avi",
                              "l1.avi", "l2.avi", "s1.avi", "s2.jpg",  "s3.avi", "s4.avi",  "é.avi"};
#ifdef Q_OS_WIN
        sorted.removeFirst(); // names that differ only in case name one file there
#endif
        for (QString& name : sorted)
            name.prepend("order/");
        for (const QByteArray jobs : {"1", "2", "6"}) {
            const QByteArray options = "--format=json --jobs=" + jobs;
            row(("the order given, " + jobs + " jobs").constData(),
                (options + " @" + given.join(" @").toLatin1()).constData(), 0, given);
            row(("a folder in byte-wise order, " + jobs + " jobs").constData(),
                (options + (jobs == "2" ? " @order/" : " @order")).constData(), 0, sorted);
        }
    }

    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, list);
        QFETCH(int, status);
        QFETCH(QStringList, reported);
        QFETCH(QByteArray, message);
        const QString listPath = dir.filePath(QStringLiteral("list.txt"));
        QVERIFY(WriteFileAt(listPath, list.replace('@', QFile::encodeName(dir.path()) + '/').toStdString()));
        const clitest::Outcome run =
            clitest::Run(Expand(arguments), QProcessEnvironment::systemEnvironment(), listPath);
        QCOMPARE(run.exitCode, status); // -1 when it had to be killed
        QStringList expected;
        for (const QString& path : reported)
            expected << dir.filePath(path);
        QCOMPARE(clitest::JsonValues(run.out, "path"), expected);
        if (reported.isEmpty())
            QCOMPARE(run.out, QByteArray());
        if (status == 2) // a clear message: the program's name and more than a word
            QVERIFY2(run.err.startsWith("ardentix-verify: ") && run.err.size() > 30, run.err.constData());
        else
            QCOMPARE(run.err, QByteArray());
        // The first line, without the carriage return that Windows' console
        // streams add.
        if (!message.isEmpty())
            QCOMPARE(run.err.split('\n').first().replace('\r', QByteArray()),
                     "ardentix-verify: " + message.replace('@', QFile::encodeName(dir.path()) + '/'));
    }

    // Where OpenSSL offers no MD5 (a library preloaded takes it away), the
    // file is reported failed with the reason internal-error, counted as
    // failed, and the exit status is 2. A system OpenSSL configuration that
    // offers no MD5 (only the base provider) changes nothing: the digests
    // come from the program's own library context.
    void withoutMd5_data()
    {
        QTest::addColumn<bool>("preload"); // or the configuration
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("expected"); // in stdout, %1 the path
        QTest::newRow("text") << true << "--format=text" << 2
                              << QByteArray("failed     %1  internal-error\n1 files: 0 authentic, 1 failed\n");
        QTest::newRow("json") << true << "--format=json" << 2
                              << QByteArray("\"reason\":\"internal-error\",\"result\":\"failed\"");
        QTest::newRow("csv") << true << "--format=csv" << 2 << QByteArray("\r\n%1,failed,internal-error,2012-");
        QTest::newRow("system configuration") << false << "--format=json --sha256" << 0
                                              << "\"result\":\"authentic\",\"serial\":\"VH-0042-1138\",\"sha256\":\"" +
                                                     Sha256Hex(genuineAvi).toLatin1() + '"';
    }

    void withoutMd5()
    {
        QFETCH(bool, preload);
        QFETCH(QString, options);
        QFETCH(int, status);
        QFETCH(QByteArray, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (preload) {
            ARDENTIX_SKIP_ON_WINDOWS("the library that takes MD5 away is preloaded the Linux way");
            environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ARDENTIX_NO_MD5_LIBRARY));
            environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
        } else {
            const QString config = dir.filePath(QStringLiteral("base-only.cnf"));
            QVERIFY(WriteFileAt(config, "openssl_conf = init\n[init]\nproviders = providers\n"
                                        "[providers]\nbase = base\n[base]\nactivate = 1\n"));
            environment.insert(QStringLiteral("OPENSSL_CONF"), config);
        }
        const QString path = dir.filePath(QStringLiteral("genuine.avi"));
        const clitest::Outcome run = clitest::Run(options.split(QLatin1Char(' ')) << path, environment);
        QCOMPARE(run.exitCode, status);
        QVERIFY2(run.out.contains(QString::fromLatin1(expected).replace("%1", path).toUtf8()), run.out.constData());
        QCOMPARE(run.err.contains("internal-error"), preload);
    }

    void version()
    {
        const clitest::Outcome run = clitest::Run({QStringLiteral("--version")});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        const QString out = QString::fromUtf8(run.out);
        QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("ardentix-verify " ARDENTIX_VERSION_TEXT));

        const QByteArray digits = ReadFileAt(QStringLiteral(ARDENTIX_MODULUS_FILE)).trimmed();
        const QByteArray modulus = QByteArray::fromHex(digits);
        QCOMPARE(modulus.size(), 256);
        QVERIFY2(out.contains(Sha256Hex(modulus.toStdString())), run.out.constData());
        QVERIFY(out.contains(QLatin1String("256 big-endian bytes")));

        QFile development(QStringLiteral(ARDENTIX_SOURCE_DIR "/keys/development-modulus.hex"));
        QVERIFY(development.open(QIODevice::ReadOnly));
        const bool isDevelopment = development.readAll().trimmed().toUpper() == digits.toUpper();
        QCOMPARE(out.contains(QLatin1String("development key, whose private half is public")), isDevelopment);
        QCOMPARE(out.contains(QLatin1String("must not be\ntrusted for real evidence")), isDevelopment);
        QCOMPARE(out.contains(QLatin1String("not the development key")), !isDevelopment);
    }

    // A Windows process that ends abnormally says how on standard error,
    // with the handlers that both programs install, and ends with the
    // exception's code.
    void abnormalEnd_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("line"); // what the one line on standard error matches
        QTest::addColumn<quint32>("status");
        const QString begin = QStringLiteral("^ardentix-crash-probe: abnormal end: ");
        const QString thread = QStringLiteral(", thread 0x[0-9a-f]+\r?\n$");
        QTest::newRow("access violation")
            << "access"
            << begin +
                   "exception 0xc0000005 at 0x[0-9a-f]+ \\(ardentix-crash-probe\\.exe\\+0x[0-9a-f]+\\), "
                   "writing 0x0" +
                   thread
            << quint32(0xc0000005);
        QTest::newRow("abort") << "abort" << begin + "abort" + thread << quint32(3);
        QTest::newRow("an exception out of a thread")
            << "throw" << begin + "an exception that nothing caught" + thread << quint32(3);
    }

    void abnormalEnd()
    {
#ifndef Q_OS_WIN
        QSKIP("the handlers are Windows': elsewhere the system reports the signal");
#else
        QFETCH(QString, what);
        QFETCH(QString, line);
        QFETCH(quint32, status);
        QProcess probe;
        probe.start(QStringLiteral(ARDENTIX_CRASH_PROBE), {what});
        QVERIFY(probe.waitForFinished(clitest::kTimeoutMs));
        QCOMPARE(quint32(probe.exitCode()), status);
        const QString err = QString::fromUtf8(probe.readAllStandardError());
        QVERIFY2(QRegularExpression(line).match(err).hasMatch(), qPrintable(err));
#endif
    }

    // Under a pseudo-terminal (util-linux "script"), stdout and stderr are
    // the terminal: colour for the text format, and the progress line unless
    // --quiet.
    void terminal_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("environment"); // NAME=value, set for the run
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("progress");
        const QStringList big = {"-j1", "@big.avi", "@big.avi", "@genuine.jpg"};
        QTest::newRow("text") << big << "" << true << true;
        QTest::newRow("text, quiet") << QStringList{"--quiet"} + big << "" << true << false;
        QTest::newRow("text, NO_COLOR") << big << "NO_COLOR=1" << false << true;
        QTest::newRow("text, dumb terminal") << big << "TERM=dumb" << false << true;
        QTest::newRow("json") << QStringList{"--format=json"} + big << "" << false << true;
        QTest::newRow("csv, quiet") << QStringList{"-q", "--format=csv"} + big << "" << false << false;
    }

    void terminal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, environment);
        QFETCH(bool, colour);
        QFETCH(bool, progress);
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("util-linux script is not installed");
        const QString big = dir.filePath(QStringLiteral("big.avi"));
        if (!QFile::exists(big)) {
            // Large enough that verifying it twice takes several tenths of a
            // second, so that the progress line is drawn.
            QVERIFY(WriteFileAt(big, MakeExport(PaddedMedia(MediaType::Avi, 160 << 20), MediaType::Avi)));
        }
        QString command = QStringLiteral("exec '%1'").arg(clitest::VerifierPath());
        for (const QString& argument : Expand(arguments))
            command += QStringLiteral(" '%1'").arg(argument);
        QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
        variables.insert(QStringLiteral("TERM"), QStringLiteral("xterm"));
        variables.remove(QStringLiteral("NO_COLOR"));
        if (!environment.isEmpty())
            variables.insert(environment.section('=', 0, 0), environment.section('=', 1));
        const clitest::Outcome run =
            clitest::RunShell(QStringLiteral("exec '%1' -qec \"%2\" /dev/null").arg(script, command), variables);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        const QByteArray& out = run.out;
        QCOMPARE(out.contains("\x1b[32mauthentic\x1b[0m"), colour);
        QCOMPARE(out.contains(" files, "), progress);
        if (progress) {
            // Cleared before the results and at the end: the last progress
            // text is followed by the erase sequence.
            const qsizetype last = out.lastIndexOf(" files, ");
            QVERIFY(out.indexOf("\r\x1b[K", last) > last);
            // Files done out of all files, bytes done out of all bytes.
            qint64 total = 0;
            for (const QString& path : Expand(arguments)) {
                if (!path.startsWith(QLatin1Char('-')))
                    total += QFileInfo(path).size();
            }
            const QString pattern = QStringLiteral("[0-3]/3 files, [0-9.]+ (B|KiB|MiB)/%1 MiB")
                                        .arg(QString::number(double(total) / (1 << 20), 'f', 1));
            QVERIFY2(QString::fromUtf8(out).contains(QRegularExpression(pattern)), out.constData());
        }
    }

    void progress()
    {
        const QList<QPair<qint64, const char*>> sizes = {{0, "0 B"},
                                                         {1023, "1023 B"},
                                                         {1024, "1.0 KiB"},
                                                         {1126, "1.1 KiB"},
                                                         {1536, "1.5 KiB"},
                                                         {1048576, "1.0 MiB"},
                                                         {1610612736, "1.5 GiB"},
                                                         {qint64(5) << 40, "5.0 TiB"},
                                                         {qint64(1) << 50, "1024.0 TiB"}};
        for (const auto& [size, text] : sizes)
            QCOMPARE(Progress::FormatBytes(size), QString::fromLatin1(text));
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
};

ARDENTIX_REGISTER_TEST(TestOptions)
#include "tst_options.moc"
