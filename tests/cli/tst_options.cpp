// Exit status, order under --jobs, --sha256, --version, and what changes
// when stdout and stderr are a terminal.
#include "CliRun.h"
#include "PosixCalls.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace testsupport;

#ifndef ARDENTIX_MODULUS_FILE
#error "ARDENTIX_MODULUS_FILE must name the built-in modulus file"
#endif

namespace {

std::string Flip(std::string bytes, std::size_t at)
{
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

QStringList JsonPaths(const QByteArray& out)
{
    QString error;
    QStringList paths;
    for (const QJsonObject& o : clitest::JsonLines(out, &error))
        paths << o.value(QLatin1String("path")).toString();
    if (!error.isEmpty())
        paths << QStringLiteral("<invalid: %1>").arg(error);
    return paths;
}

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

    void Write(const QString& name, const std::string& bytes)
    {
        const QString path = dir.filePath(name);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(path), bytes));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        genuineAvi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        Write(QStringLiteral("genuine.avi"), genuineAvi);
        Write(QStringLiteral("genuine.jpg"), jpg);
        Write(QStringLiteral("tampered.avi"), Flip(genuineAvi, 3000));
        Write(QStringLiteral("good/a.avi"), genuineAvi);
        Write(QStringLiteral("good/deep/b.jpg"), jpg);
        Write(QStringLiteral("mixed/a.avi"), genuineAvi);
        Write(QStringLiteral("mixed/b.avi"), Flip(genuineAvi, 3000));
        Write(QStringLiteral("nomedia/c.txt"), genuineAvi);
        Write(QStringLiteral("nomedia/d.mp4.bak"), genuineAvi);
        Write(QStringLiteral("nomedia/.hidden.avi"), genuineAvi);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("empty"))));
        // Reports that --check refuses before it verifies anything.
        const std::string entry = "{\"path\":\"" + dir.filePath(QStringLiteral("genuine.avi")).toStdString() +
                                  "\",\"result\":\"authentic\",\"reason\":null,\"sha256\":\"" + std::string(64, 'd') +
                                  "\"}\n";
        Write(QStringLiteral("cut.jsonl"), entry + entry.substr(0, 40));
        Write(QStringLiteral("nosha.csv"), "path,result,reason,size\r\n");
        Write(QStringLiteral("foreign.csv"), "name,size\r\na.avi,1\r\n");
    }

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("reported"); // files on stdout (JSON), -1: stdout must be empty

        const QString json = QStringLiteral("--format=json");
        QTest::newRow("one authentic file") << QStringList{json, QStringLiteral("@genuine.avi")} << 0 << 1;
        QTest::newRow("authentic files and a folder")
            << QStringList{json, QStringLiteral("@genuine.jpg"), QStringLiteral("@good"),
                           QStringLiteral("@genuine.avi")}
            << 0 << 4;
        QTest::newRow("one tampered among authentic")
            << QStringList{json, QStringLiteral("@genuine.avi"), QStringLiteral("@tampered.avi")} << 1 << 2;
        QTest::newRow("folder with a tampered file") << QStringList{json, QStringLiteral("@mixed")} << 1 << 2;
        QTest::newRow("missing path") << QStringList{json, QStringLiteral("@missing.avi")} << 1 << 1;
        QTest::newRow("missing path and authentic file")
            << QStringList{json, QStringLiteral("@genuine.avi"), QStringLiteral("@missing.avi")} << 1 << 2;
        QTest::newRow("empty folder and authentic file")
            << QStringList{json, QStringLiteral("@empty"), QStringLiteral("@genuine.avi")} << 0 << 1;
        QTest::newRow("empty folder") << QStringList{json, QStringLiteral("@empty")} << 2 << -1;
        QTest::newRow("folder with no matching file") << QStringList{json, QStringLiteral("@nomedia")} << 2 << -1;
        QTest::newRow("two folders without files")
            << QStringList{QStringLiteral("@nomedia"), QStringLiteral("@empty")} << 2 << -1;
        QTest::newRow("no PATH") << QStringList{json} << 2 << -1;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--fast"), QStringLiteral("@genuine.avi")} << 2
                                        << -1;
        QTest::newRow("unknown format") << QStringList{QStringLiteral("--format"), QStringLiteral("xml"),
                                                       QStringLiteral("@genuine.avi")}
                                        << 2 << -1;
        QTest::newRow("format without value") << QStringList{QStringLiteral("--format")} << 2 << -1;
        QTest::newRow("zero jobs") << QStringList{QStringLiteral("--jobs"), QStringLiteral("0"),
                                                  QStringLiteral("@genuine.avi")}
                                   << 2 << -1;
        QTest::newRow("jobs not a number")
            << QStringList{QStringLiteral("-j"), QStringLiteral("two"), QStringLiteral("@genuine.avi")} << 2 << -1;
        QTest::newRow("negative jobs") << QStringList{QStringLiteral("--jobs=-3"), QStringLiteral("@genuine.avi")} << 2
                                       << -1;
        const QString check = QStringLiteral("--check");
        QTest::newRow("check: report cut off") << QStringList{check, "@cut.jsonl", "@good"} << 2 << -1;
        QTest::newRow("check: CSV without sha256") << QStringList{check, "@nosha.csv"} << 2 << -1;
        QTest::newRow("check: foreign CSV") << QStringList{check, "@foreign.csv", "@good"} << 2 << -1;
        QTest::newRow("check: a folder for a report") << QStringList{check, "@good"} << 2 << -1;
        QTest::newRow("check: no such report") << QStringList{check, "@missing.jsonl"} << 2 << -1;
        QTest::newRow("check with --files-from")
            << QStringList{check, "@cut.jsonl", "--files-from", "@cut.jsonl"} << 2 << -1;
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(int, reported);
        const clitest::Outcome run = clitest::Run(Expand(arguments));
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, status);
        if (reported < 0) {
            QCOMPARE(run.out, QByteArray());
            // A clear message: the program's name and more than a word.
            QVERIFY2(run.err.startsWith("ardentix-verify: ") && run.err.size() > 30, run.err.constData());
        } else {
            QCOMPARE(run.err, QByteArray());
            QCOMPARE(JsonPaths(run.out).size(), reported);
        }
    }

    void help()
    {
        const clitest::Outcome run = clitest::Run({QStringLiteral("--help")});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        for (const char* word : {"--format", "--jobs", "--sha256", "--quiet", "--version", "--check", "PATH", "\\xHH"})
            QVERIFY2(run.out.contains(word), word);
    }

    void filesFrom_data()
    {
        QTest::addColumn<QByteArray>("list"); // "@" stands for the scratch folder
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("reported"); // paths in order; empty: stdout must be empty

        const QString fromStdin = QStringLiteral("--files-from=-");
        QTest::newRow("lines on standard input, a folder among them")
            << QByteArray("@genuine.avi\n@good\n@tampered.avi\n") << QStringList{fromStdin} << 1
            << QStringList{"genuine.avi", "good/a.avi", "good/deep/b.jpg", "tampered.avi"};
        QTest::newRow("NUL-separated, no final separator")
            << QByteArray("@genuine.avi\0@genuine.jpg", 25) << QStringList{QStringLiteral("-0"), fromStdin} << 0
            << QStringList{"genuine.avi", "genuine.jpg"};
        QTest::newRow("list order under --jobs 3")
            << QByteArray("@tampered.avi\n@genuine.jpg\n@mixed\n@genuine.avi\n")
            << QStringList{fromStdin, QStringLiteral("--jobs=3")} << 1
            << QStringList{"tampered.avi", "genuine.jpg", "mixed/a.avi", "mixed/b.avi", "genuine.avi"};
        QTest::newRow("after the PATHs") << QByteArray("@genuine.jpg\n")
                                         << QStringList{QStringLiteral("@genuine.avi"), fromStdin} << 0
                                         << QStringList{"genuine.avi", "genuine.jpg"};
        QTest::newRow("a missing path") << QByteArray("@missing.avi\n") << QStringList{fromStdin} << 1
                                        << QStringList{"missing.avi"};
        QTest::newRow("an empty list") << QByteArray() << QStringList{fromStdin} << 2 << QStringList();
        QTest::newRow("an empty line") << QByteArray("@genuine.avi\n\n@genuine.jpg\n") << QStringList{fromStdin} << 2
                                       << QStringList{"genuine.avi"};
        QTest::newRow("a NUL byte in a line list")
            << QByteArray("@genuine.avi\0@genuine.jpg\n", 26) << QStringList{fromStdin} << 2 << QStringList();
        QTest::newRow("a missing list file")
            << QByteArray() << QStringList{QStringLiteral("--files-from"), QStringLiteral("@no-such-list")} << 2
            << QStringList();
        QTest::newRow("-0 without a list")
            << QByteArray() << QStringList{QStringLiteral("-0"), QStringLiteral("@good")} << 2 << QStringList();
    }

    void filesFrom()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, reported);
        const QString listPath = dir.filePath(QStringLiteral("list.txt"));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(listPath),
                                    list.replace('@', QFile::encodeName(dir.path()) + '/').toStdString()));
        const clitest::Outcome run = clitest::Run(QStringList{QStringLiteral("--format=json")} + Expand(arguments),
                                                  QProcessEnvironment::systemEnvironment(), listPath);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, status);
        QStringList expected;
        for (const QString& path : reported)
            expected << dir.filePath(path);
        QCOMPARE(JsonPaths(run.out), expected);
        if (status == 2)
            QVERIFY(!run.err.isEmpty());
    }

    void systemPolicyWithoutMd5()
    {
        // A system OpenSSL configuration that offers no MD5 (only the base
        // provider) changes nothing: the digests come from the program's own
        // library context.
        const QString config = dir.filePath(QStringLiteral("base-only.cnf"));
        QVERIFY(clitest::WriteBytes(QFile::encodeName(config), "openssl_conf = init\n[init]\nproviders = providers\n"
                                                               "[providers]\nbase = base\n[base]\nactivate = 1\n"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("OPENSSL_CONF"), config);
        const clitest::Outcome run = clitest::Run(
            {QStringLiteral("--sha256"), QStringLiteral("--format=json"), dir.filePath(QStringLiteral("genuine.avi"))},
            environment, QString());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("\"result\":\"authentic\""));
        QVERIFY(run.out.contains("\"sha256\":\"") && !run.out.contains("\"sha256\":\"\""));
    }

    void noDigest_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("text") << "text"
                              << QByteArray("failed     %1  internal-error\n1 files: 0 authentic, 1 failed\n");
        QTest::newRow("json") << "json" << QByteArray("\"reason\":\"internal-error\",\"result\":\"failed\"");
        QTest::newRow("csv") << "csv" << QByteArray("\r\n%1,failed,internal-error,2012-");
    }

    void noDigest()
    {
        // Where OpenSSL offers no MD5, the file is reported failed with the
        // reason internal-error, counted as failed, and the exit status is 2.
        QFETCH(QString, format);
        QFETCH(QByteArray, expected);
        ARDENTIX_SKIP_ON_WINDOWS("the library that takes MD5 away is preloaded the Linux way");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ARDENTIX_NO_MD5_LIBRARY));
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("verify_asan_link_order=0"));
        const QString path = dir.filePath(QStringLiteral("genuine.avi"));
        const clitest::Outcome run = clitest::RunShell(
            clitest::VerifierPath() + QStringLiteral(" --format=%1 '%2'").arg(format, path), environment);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.out.contains(QString::fromLatin1(expected).arg(path).toUtf8()), run.out.constData());
        QVERIFY(run.err.contains("internal-error"));
    }

    void order_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("mebibytes");
        QTest::newRow("large first") << QStringList{QStringLiteral("l1.avi"), QStringLiteral("s1.avi"),
                                                    QStringLiteral("s2.jpg"), QStringLiteral("s3.avi"),
                                                    QStringLiteral("s4.avi"), QStringLiteral("s5.avi")}
                                     << QList<int>{64, 0, 0, 0, 0, 0};
        QTest::newRow("large, small, large, small")
            << QStringList{QStringLiteral("s1.avi"), QStringLiteral("l1.avi"), QStringLiteral("s2.avi"),
                           QStringLiteral("l2.avi"), QStringLiteral("s3.avi"), QStringLiteral("s4.avi")}
            << QList<int>{0, 48, 0, 24, 0, 0};
    }

    void order()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, mebibytes);
        QTemporaryDir here;
        const std::string small = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        QStringList paths;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString path = here.filePath(names[i]);
            std::string bytes = names[i].endsWith(QLatin1String(".jpg")) ? jpg : small;
            if (mebibytes[i] > 0)
                bytes = MakeExport(PaddedMedia(MediaType::Avi, std::int64_t(mebibytes[i]) << 20), MediaType::Avi);
            QVERIFY(clitest::WriteBytes(QFile::encodeName(path), bytes));
            paths << path;
        }
        // The same files given through a folder come in byte-wise order.
        QStringList sorted = paths;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return QFile::encodeName(a) < QFile::encodeName(b); });

        for (const QString& jobs : {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("6")}) {
            const clitest::Outcome run = clitest::Run(
                QStringList{QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--jobs"), jobs} +
                paths);
            QVERIFY(run.finished);
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(JsonPaths(run.out), paths);

            const clitest::Outcome folder = clitest::Run(
                {QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--jobs"), jobs, here.path()});
            QCOMPARE(folder.exitCode, 0);
            QCOMPARE(JsonPaths(folder.out), sorted);
        }
    }

    void folderOrderIsByteWise()
    {
        QTemporaryDir here;
        // Made in another order than the expected one.
        QStringList made = {QStringLiteral("é.avi"),   QStringLiteral("b.avi"),  QStringLiteral("a/x.avi"),
                            QStringLiteral("a.avi"),   QStringLiteral("_c.avi"), QStringLiteral("Z.avi"),
                            QStringLiteral("a-b.avi"), QStringLiteral("B.avi")};
        // Bytes: '-' 2D < '.' 2E < '/' 2F < 'B' 42 < 'Z' 5A < '_' 5F < 'a' 61 < 'b' 62 < 0xC3.
        QStringList expected = {QStringLiteral("B.avi"),   QStringLiteral("Z.avi"), QStringLiteral("_c.avi"),
                                QStringLiteral("a-b.avi"), QStringLiteral("a.avi"), QStringLiteral("a/x.avi"),
                                QStringLiteral("b.avi"),   QStringLiteral("é.avi")};
#ifdef Q_OS_WIN
        // Names that differ only in case name one file there.
        made.removeAll(QStringLiteral("B.avi"));
        expected.removeAll(QStringLiteral("B.avi"));
#endif
        for (const QString& name : std::as_const(made)) {
            QVERIFY(QDir(here.path()).mkpath(QFileInfo(name).path()));
            QVERIFY(clitest::WriteBytes(QFile::encodeName(here.filePath(name)), genuineAvi));
        }
        const clitest::Outcome run = clitest::Run({QStringLiteral("--format=json"), here.path() + QLatin1Char('/')});
        QCOMPARE(run.exitCode, 0);
        QStringList relative;
        for (const QString& path : JsonPaths(run.out))
            relative << path.mid(here.path().size() + 1);
        QCOMPARE(relative, expected);
    }

    void sha256_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<QString>("reason");

        const std::string avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        const std::string mp4 =
            MakeExport(PaddedMedia(MediaType::Mp4, SkipFor(MediaType::Mp4) + 300000), MediaType::Mp4);
        const std::string shortMp4 = MakeExport(SampleMedia(MediaType::Mp4), MediaType::Mp4);
        WatermarkFields marker;
        marker.marker = "Not The Marker";

        QTest::newRow("authentic avi") << "a.avi" << avi << QString();
        QTest::newRow("authentic jpg") << "a.jpg" << jpg << QString();
        QTest::newRow("authentic mp4 past the prefix") << "a.mp4" << mp4 << QString();
        QTest::newRow("authentic mp4 within the prefix") << "s.mp4" << shortMp4 << QString();
        QTest::newRow("digest mismatch") << "t.avi" << Flip(avi, 5000) << "digest-mismatch";
        QTest::newRow("too short") << "s.avi" << avi.substr(0, 511) << "too-short";
        QTest::newRow("empty") << "e.jpg" << std::string() << "too-short";
        QTest::newRow("unsupported type") << "a.mov" << avi << "unsupported-type";
        QTest::newRow("bad signature") << "b.avi" << SampleMedia(MediaType::Avi) << "bad-signature";
        QTest::newRow("bad marker") << "m.avi" << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, marker)
                                    << "bad-marker";
    }

    void sha256()
    {
        QFETCH(QString, name);
        QFETCH(std::string, bytes);
        QFETCH(QString, reason);
        QTemporaryDir here;
        const QString path = here.filePath(name);
        QVERIFY(clitest::WriteBytes(QFile::encodeName(path), bytes));
        const QString expected = QString::fromLatin1(
            QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256).toHex());

        for (const QString& jobs : {QStringLiteral("1"), QStringLiteral("2")}) {
            const clitest::Outcome run = clitest::Run(
                {QStringLiteral("--format=json"), QStringLiteral("--sha256"), QStringLiteral("--jobs"), jobs, path});
            QVERIFY(run.finished);
            QString error;
            const QList<QJsonObject> objects = clitest::JsonLines(run.out, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(objects.size(), 1);
            QCOMPARE(objects[0].value(QLatin1String("reason")).toString(), reason);
            QCOMPARE(objects[0].value(QLatin1String("sha256")).toString(), expected);
        }
    }

    void sha256OfUnreadable()
    {
        const clitest::Outcome run = clitest::Run(
            {QStringLiteral("--format=csv"), QStringLiteral("--sha256"), dir.filePath(QStringLiteral("missing.avi"))});
        QCOMPARE(run.exitCode, 1);
        QString error;
        const QList<QStringList> records = clitest::CsvRecords(run.out, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[1].value(2), QStringLiteral("unreadable"));
        QCOMPARE(records[1].size(), 12);
        QCOMPARE(records[1].value(9), QString());
        QCOMPARE(records[1].value(10), QString()); // no size
        QCOMPARE(records[1].value(11), QString()); // no coverage
    }

    void sha256MatchesSha256sum()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("sha256sum"));
        if (tool.isEmpty())
            QSKIP("sha256sum is not installed");
        const QStringList paths = {
            dir.filePath(QStringLiteral("genuine.avi")), dir.filePath(QStringLiteral("genuine.jpg")),
            dir.filePath(QStringLiteral("tampered.avi")), dir.filePath(QStringLiteral("nomedia/c.txt"))};
        QProcess sum;
        sum.start(tool, paths);
        QVERIFY(sum.waitForFinished(30000));
        QStringList expected;
        for (const QByteArray& line : sum.readAllStandardOutput().split('\n')) {
            if (!line.isEmpty())
                expected << QString::fromLatin1(line.left(64));
        }
        const clitest::Outcome run =
            clitest::Run(QStringList{QStringLiteral("--format=json"), QStringLiteral("--sha256")} + paths);
        QString error;
        QStringList got;
        for (const QJsonObject& o : clitest::JsonLines(run.out, &error))
            got << o.value(QLatin1String("sha256")).toString();
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(got, expected);
    }

    void version()
    {
        const clitest::Outcome run = clitest::Run({QStringLiteral("--version")});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        const QString out = QString::fromUtf8(run.out);
        QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("ardentix-verify " ARDENTIX_VERSION_TEXT));

        QFile modulusFile(QStringLiteral(ARDENTIX_MODULUS_FILE));
        QVERIFY(modulusFile.open(QIODevice::ReadOnly));
        const QByteArray digits = modulusFile.readAll().trimmed();
        const QByteArray modulus = QByteArray::fromHex(digits);
        QCOMPARE(modulus.size(), 256);
        const QByteArray fingerprint = QCryptographicHash::hash(modulus, QCryptographicHash::Sha256).toHex();
        QVERIFY2(run.out.contains(fingerprint), run.out.constData());
        QVERIFY(out.contains(QLatin1String("256 big-endian bytes")));

        QFile development(QStringLiteral(ARDENTIX_SOURCE_DIR "/keys/development-modulus.hex"));
        QVERIFY(development.open(QIODevice::ReadOnly));
        const bool isDevelopment = development.readAll().trimmed().toUpper() == digits.toUpper();
        QCOMPARE(out.contains(QLatin1String("development key, whose private half is public")), isDevelopment);
        QCOMPARE(out.contains(QLatin1String("must not be\ntrusted for real evidence")), isDevelopment);
        QCOMPARE(out.contains(QLatin1String("not the development key")), !isDevelopment);
    }

    // Under a pseudo-terminal (util-linux "script"), stdout and stderr are
    // the terminal: colour for the text format, and the progress line unless
    // --quiet.
    void terminal_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("noColorSet");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("progress");
        const QStringList big = {QStringLiteral("@big.avi"), QStringLiteral("@big.avi"),
                                 QStringLiteral("@genuine.jpg")};
        QTest::newRow("text") << QStringList{QStringLiteral("-j1")} + big << false << true << true;
        QTest::newRow("text, quiet") << QStringList{QStringLiteral("-j1"), QStringLiteral("--quiet")} + big << false
                                     << true << false;
        QTest::newRow("text, NO_COLOR") << QStringList{QStringLiteral("-j1")} + big << true << false << true;
        QTest::newRow("json") << QStringList{QStringLiteral("-j1"), QStringLiteral("--format=json")} + big << false
                              << false << true;
        QTest::newRow("csv, quiet") << QStringList{QStringLiteral("-j1"), QStringLiteral("-q"),
                                                   QStringLiteral("--format=csv")} +
                                           big
                                    << false << false << false;
    }

    void terminal()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, noColorSet);
        QFETCH(bool, colour);
        QFETCH(bool, progress);
        const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
        if (script.isEmpty())
            QSKIP("util-linux script is not installed");
        const QString big = dir.filePath(QStringLiteral("big.avi"));
        if (!QFile::exists(big)) {
            // Large enough that verifying it twice takes several tenths of a
            // second, so that the progress line is drawn.
            QVERIFY(clitest::WriteBytes(QFile::encodeName(big),
                                        MakeExport(PaddedMedia(MediaType::Avi, 160 << 20), MediaType::Avi)));
        }
        QString command = QStringLiteral("exec '%1'").arg(clitest::VerifierPath());
        for (const QString& argument : Expand(arguments))
            command += QStringLiteral(" '%1'").arg(argument);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TERM"), QStringLiteral("xterm"));
        environment.remove(QStringLiteral("NO_COLOR"));
        if (noColorSet)
            environment.insert(QStringLiteral("NO_COLOR"), QStringLiteral("1"));
        const clitest::Outcome run =
            clitest::RunShell(QStringLiteral("exec '%1' -qec \"%2\" /dev/null").arg(script, command), environment);
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
};

ARDENTIX_REGISTER_TEST(TestOptions)
#include "tst_options.moc"
