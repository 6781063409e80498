// Reading the file under test: files that change while they are read,
// names in every code page and long paths, files that cannot be opened, and
// files beyond 2 GiB.
#include "AuthenticateFile.h"
#include "ExportFolder.h"
#include "FileLayout.h"
#include "FileStream.h"
#include "LargeExport.h"
#include "TestRegistry.h"

#include <atomic>
#include <cstdio>

using namespace ardentix::engine;
using namespace testsupport;

class TestInputFile : public ExportFolder
{
    Q_OBJECT

private slots:
    // A file that changes while it is read: after each block, the test
    // appends to it, cuts it, or puts another file in its place.
    void changedWhileRead_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("genuine");
        QTest::addColumn<AuthResult>("reason");
        QTest::addColumn<bool>("hasSha256");
        QTest::newRow("grows") << "append" << true << AuthResult::Unreadable << false;
        QTest::newRow("is cut short") << "truncate" << true << AuthResult::Unreadable << false;
        QTest::newRow("replaced by a longer file") << "replace longer" << true << AuthResult::Unreadable << false;
        // The open file is read whole: its bytes are the ones judged.
        QTest::newRow("replaced by a file as long") << "replace same" << true << AuthResult::Authentic << true;
        QTest::newRow("failed file grows during its hash") << "append" << false << AuthResult::BadSignature << false;
        QTest::newRow("failed file unchanged") << "" << false << AuthResult::BadSignature << true;
    }

    void changedWhileRead()
    {
        QFETCH(QString, change);
        QFETCH(bool, genuine);
        QFETCH(AuthResult, reason);
        QFETCH(bool, hasSha256);
        if (change.startsWith(QLatin1String("replace")))
            ARDENTIX_SKIP_ON_WINDOWS("a file open for reading cannot be replaced under its name there");
        const std::string media = PaddedMedia(MediaType::Avi, 1 << 20);
        const std::string bytes = genuine ? MakeExport(media, MediaType::Avi) : media;
        const QByteArray path = WriteNative(QStringLiteral("changing.avi"), bytes);
        const std::string other = Flip(bytes, 5000) + (change == QLatin1String("replace longer") ? "xx" : "");
        const QByteArray otherPath = WriteNative(QStringLiteral("other.avi"), other);
        for (bool sha256 : {false, true}) {
            if (!genuine && !sha256)
                continue;
            QVERIFY(WriteFile(path.toStdString(), bytes));
            QVERIFY(WriteFile(otherPath.toStdString(), other));
            bool changed = false;
            AuthOptions options;
            options.sha256 = sha256;
            options.progress = [&](std::int64_t) {
                if (changed || change.isEmpty())
                    return;
                changed = true;
                if (change == QLatin1String("append"))
                    QVERIFY(QFile(QFile::decodeName(path)).resize(qint64(bytes.size()) + 1));
                else if (change == QLatin1String("truncate"))
                    QVERIFY(::truncate(path.constData(), 1000) == 0);
                else
                    QVERIFY(std::rename(otherPath.constData(), path.constData()) == 0);
            };
            WatermarkRecord record;
            AuthDetails details;
            QCOMPARE(AuthResultName(AuthenticateFile(record, path.constData(), options, &details)),
                     AuthResultName(reason));
            QCOMPARE(details.hasSha256, sha256 && hasSha256);
            if (details.hasSha256)
                QCOMPARE(QByteArray(reinterpret_cast<const char*>(details.sha256), 32), Sha256Of(bytes));
        }
    }

    void windowsNames()
    {
#ifdef Q_OS_WIN
        // The same file by its name in the ANSI code page, in UTF-8 and with
        // backslashes; a name outside the code page is in procedure().
        const QString path = dir.filePath(AnsiName(QStringLiteral(".avi")));
        QVERIFY(WriteFile(NativePath(path).toStdString(), avi));
        for (const QByteArray& form : {path.toLocal8Bit(), path.toUtf8(), QDir::toNativeSeparators(path).toUtf8()}) {
            WatermarkRecord record;
            QCOMPARE(AuthenticateFile(record, form.constData()), AuthResult::Authentic);
        }
        // A full path of 248 characters or more gets the long-path prefix,
        // resolved; a share's is \\?\UNC\. Shorter ones stay as given.
        const std::string x(250, 'x');
        const QString wx = QString::fromStdString(x);
        const auto wide = [](const std::string& p) {
            return QString::fromStdWString(ardentix::engine::WidePath(p.c_str()));
        };
        QCOMPARE(wide("C:/a/./b.avi"), QStringLiteral("C:/a/./b.avi"));
        QCOMPARE(wide("C:/a/../" + x), "\\\\?\\C:\\" + wx);
        QCOMPARE(wide("\\\\srv\\share\\" + x), "\\\\?\\UNC\\srv\\share\\" + wx);
#else
        QSKIP("names in the ANSI code page and with backslashes are Windows' own");
#endif
    }

    void withoutPermission()
    {
        // Unreadable, with its length; on Windows held open by another
        // program, which the details tell.
        const QByteArray path = WriteNative(QStringLiteral("locked.avi"), avi);
        const Unreadable lock(dir.filePath(QStringLiteral("locked.avi")));
        if (!lock.Locked())
            QSKIP("root reads files whatever their permissions");
        WatermarkRecord record;
        AuthDetails details;
        QCOMPARE(AuthenticateFile(record, path.constData(), {}, &details), AuthResult::Unreadable);
        QVERIFY(record.Marker.empty());
        QCOMPARE(details.size, std::int64_t(avi.size()));
#ifdef Q_OS_WIN
        QVERIFY(details.inUse);
#else
        QVERIFY(!details.inUse);
#endif
    }

    void beyondTwoGigabytes()
    {
        ARDENTIX_SLOW_TEST();
        // A sparse export of 2.2 GiB: lengths and offsets past 2^31 work, and
        // one changed byte deep in the body is found.
        const QString path = dir.filePath("large.avi");
        const QByteArray native = QFile::encodeName(path);
        std::string error;
        QVERIFY2(WriteLargeExport(native.toStdString(), MediaType::Avi, (qint64(22) << 30) / 10, true, {}, &error),
                 error.c_str());
        QVERIFY(QFileInfo(path).size() > (qint64(1) << 31));
        WatermarkRecord record;
        AuthDetails details;
        QCOMPARE(AuthenticateFile(record, native.constData(), {}, &details), AuthResult::Authentic);
        QCOMPARE(qint64(details.covered.total), QFileInfo(path).size() - 512 - 240);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((qint64(21) << 30) / 10));
        QCOMPARE(file.write("x", 1), qint64(1));
        file.close();
        WatermarkRecord tampered;
        QCOMPARE(AuthenticateFile(tampered, native.constData()), AuthResult::DigestMismatch);
        QVERIFY(QFile::remove(path));
    }
};

ARDENTIX_REGISTER_TEST(TestInputFile)
#include "tst_inputfile.moc"
