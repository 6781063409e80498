// Paths and watermark text as text: which bytes are UTF-8, what reports and
// people see, and how wide it is on a terminal; the paths given, as the files
// to verify; the batch verifier: results in the list's order, progress,
// cancelling; the verification job over it: paths, then a list, and how a run
// ends.
#include "BatchVerifier.h"
#include "CoreFixtures.h"
#include "InputCollector.h"
#include "PathText.h"
#include "TestRegistry.h"
#include "VerifyJob.h"
#include "WatermarkWriter.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <tuple>

Q_DECLARE_METATYPE(VerifyJob::Conclusion)

using namespace testsupport;

class TestVerification : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // What the verifier says of each file: "<reason> <SHA-256's first 8
    // digits>".
    QMap<QString, QString> m_outcomes;

    FileJob Job(const QString& name) const
    {
        // "folder": the test's folder, given as one that could not be listed.
        if (name == QLatin1String("folder"))
            return {QFile::encodeName(m_dir.path()), 0, true};
        const QFileInfo info(m_dir.filePath(name));
        return {QFile::encodeName(info.filePath()), info.isFile() ? info.size() : 0, false};
    }

private slots:
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
        row("C1 control CSI", QByteArray("\xc2\x9b") + "31m", true, "\u009B31m", "\\xC2\\x9B31m");
        row("bidi override", QByteArray("a\xe2\x80\xae") + "b", true, "a\u202Eb", "a\\xE2\\x80\\xAEb");
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
    void initTestCase()
    {
        const std::string avi = MakeExport(PaddedMedia(MediaType::Avi, 600000), MediaType::Avi);
        const std::tuple<QString, std::string, QString> files[] = {
            {"a.avi", avi, "authentic"},
            {"b.jpg", MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg), "authentic"},
            {"c.avi", Flip(avi, 5000), "digest-mismatch"}};
        for (const auto& [name, bytes, reason] : files) {
            QVERIFY(WriteFile(QFile::encodeName(m_dir.filePath(name)).toStdString(), bytes));
            m_outcomes[name] = reason + QLatin1Char(' ') + Sha256Hex(bytes).left(8);
        }
        // A folder named like a recording, given as a file, is unreadable too.
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("clip.avi")));
        for (const char* name : {"missing.avi", "folder", "clip.avi"})
            m_outcomes[name] = QStringLiteral("unreadable ");
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

    void batch_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("jobs");
        QTest::addColumn<bool>("cancel");
        const QStringList mixed = {"a.avi", "b.jpg", "missing.avi", "c.avi", "folder"};
        const QStringList unreadable = {"missing.avi", "clip.avi", "folder", "missing.avi"};
        QTest::newRow("mixed, one job") << mixed << 1 << false;
        QTest::newRow("mixed, three jobs") << mixed << 3 << false;
        QTest::newRow("unreadable paths only, two jobs") << unreadable << 2 << false;
        QTest::newRow("cancelled, one job") << mixed << 1 << true;
        QTest::newRow("cancelled, three jobs") << mixed << 3 << true;
    }

    // A batch hands the results on in the list's order whatever the jobs,
    // counts the bytes of every file done, and reports every file not
    // finished when it is cancelled.
    void batch()
    {
        QFETCH(QStringList, names);
        QFETCH(int, jobs);
        QFETCH(bool, cancel);
        std::vector<FileJob> list;
        QStringList expected;
        qint64 total = 0;
        for (const QString& name : names) {
            list.push_back(Job(name));
            total += list.back().size;
            expected << QFileInfo(QFile::decodeName(list.back().path)).fileName() + QLatin1Char(' ') +
                            (cancel ? QStringLiteral("cancelled ") : m_outcomes[name]);
        }
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
        const std::atomic<bool> stop{cancel};
        BatchVerifier(jobs, !cancel).Run(list, callbacks, &stop);
        QCOMPARE(got, expected);
        QVERIFY(batches >= 1);
        if (cancel)
            return;
        QCOMPARE(progress.last(), qMakePair(qint64(names.size()), total));
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY(progress[i].first >= progress[i - 1].first && progress[i].second <= total);
    }
    void job_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QByteArray>("list"); // the list's lines; "-" for a list that is not there
        QTest::addColumn<bool>("stop");
        QTest::addColumn<VerifyJob::Conclusion>("conclusion");
        QTest::addColumn<QStringList>("verified"); // in the order given to the sink
        using C = VerifyJob::Conclusion;
        QTest::newRow("all authentic") << QStringList{"a.avi", "b.jpg"} << QByteArray() << false << C::AllAuthentic
                                       << QStringList{"a.avi", "b.jpg"};
        QTest::newRow("the paths, then the list") << QStringList{"c.avi"} << QByteArray("b.jpg\na.avi\n") << false
                                                  << C::SomeFailed << QStringList{"c.avi", "b.jpg", "a.avi"};
        QTest::newRow("nothing to verify")
            << QStringList() << QByteArray() << false << C::NothingToVerify << QStringList();
        QTest::newRow("a list that is not there")
            << QStringList{"a.avi"} << QByteArray("-") << false << C::ListFailed << QStringList();
        QTest::newRow("an empty entry ends the list")
            << QStringList() << QByteArray("a.avi\n\nb.jpg\n") << false << C::ListFailed << QStringList{"a.avi"};
        QTest::newRow("stopped") << QStringList{"a.avi", "c.avi"} << QByteArray() << true << C::Stopped
                                 << QStringList{"a.avi", "c.avi"};
    }

    // A job verifies the paths' files, then the list's, hands each result to
    // its sink and says how the run ended; a list that cannot be opened
    // stops it before any file.
    void job()
    {
        QFETCH(QStringList, paths);
        QFETCH(QByteArray, list);
        QFETCH(bool, stop);
        QFETCH(VerifyJob::Conclusion, conclusion);
        QFETCH(QStringList, verified);
        struct Sink : VerifySink
        {
            QStringList names;
            void Result(const FileResult& r) override { names << QFileInfo(QFile::decodeName(r.path)).fileName(); }
        } sink;
        VerifySources sources;
        for (const QString& name : paths)
            sources.paths.push_back(Job(name).path);
        if (!list.isEmpty()) {
            sources.list = QFile::encodeName(m_dir.filePath(QStringLiteral("list.txt")));
            if (list != "-") {
                QByteArray lines = list;
                lines.replace("a.avi", QFile::encodeName(m_dir.filePath("a.avi")))
                    .replace("b.jpg", QFile::encodeName(m_dir.filePath("b.jpg")));
                QVERIFY(WriteFile(sources.list->toStdString(), lines.toStdString()));
            } else {
                QFile::remove(m_dir.filePath(QStringLiteral("list.txt")));
            }
        }
        VerifyJob job(sources, 2, false);
        const std::atomic<bool> stopFlag{stop};
        const bool prepared = job.Prepare();
        if (prepared)
            QCOMPARE(job.Run(sink, &stopFlag), conclusion);
        QCOMPARE(job.Concluded(), conclusion);
        // Only a job with nothing to run is not prepared; a stopped job
        // gives every file, cancelled.
        QCOMPARE(prepared, !verified.isEmpty());
        QCOMPARE(sink.names, verified);
        QCOMPARE(job.Counts().Total(), stop ? 0 : qint64(verified.size()));
        QCOMPARE(job.Problem().code == ListProblem::Code::None, conclusion != VerifyJob::Conclusion::ListFailed);
    }
};

ARDENTIX_REGISTER_TEST(TestVerification)
#include "tst_verification.moc"
