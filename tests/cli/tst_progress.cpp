// The progress line: its text, and what it writes to the terminal.
#include "Progress.h"
#include "TestRegistry.h"
#include <QTest>
#include <cstdio>

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

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
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

ARDENTIX_REGISTER_TEST(TestProgress)
#include "tst_progress.moc"
