// The authentication procedure: verdicts, reasons, and what the record holds.
#include "AuthenticateFile.h"
#include "LargeExport.h"
#include "PosixCalls.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <openssl/sha.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace testsupport;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(AuthResult)

namespace {

enum class Kind
{
    File,
    Missing,
    Directory,
    Fifo
};

std::string Flip(std::string bytes, std::int64_t offset)
{
    const std::size_t at = offset >= 0 ? std::size_t(offset) : bytes.size() - std::size_t(-offset);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestAuthenticate : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static WatermarkRecord Sentinel()
    {
        WatermarkRecord r;
        r.Marker = r.Version = r.HMAC = r.StartTime = r.EndTime = r.TimeSource = r.VHSerial = r.CamMAC = "sentinel";
        return r;
    }

private slots:
    void procedure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<AuthResult>("reason");
        QTest::addColumn<bool>("filled");

        const WatermarkFields fields;
        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        const std::string avi = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        const std::string mp4Media = PaddedMedia(MediaType::Mp4, 3145764 + 20000);
        const std::string mp4 = MakeExport(mp4Media, MediaType::Mp4);
        const std::int64_t aviBlock = BlockOffset(std::int64_t(avi.size()), MediaType::Avi);

        QTest::newRow("genuine jpg") << "a.jpg" << Kind::File << jpg << AuthAuthentic << true;
        QTest::newRow("genuine avi") << "a.avi" << Kind::File << avi << AuthAuthentic << true;
        QTest::newRow("genuine mp4") << "a.mp4" << Kind::File << mp4 << AuthAuthentic << true;
        QTest::newRow("mixed-case suffix") << "clip.Avi" << Kind::File << avi << AuthAuthentic << true;
        QTest::newRow("upper-case name") << "CLIP.AVI" << Kind::File << avi << AuthAuthentic << true;
        QTest::newRow("several dots") << "a.b.jpg" << Kind::File << jpg << AuthAuthentic << true;
        QTest::newRow("non-ASCII UTF-8 name")
            << QString::fromUtf8("Überwachung 監視.avi") << Kind::File << avi << AuthAuthentic << true;

        QTest::newRow("missing") << "missing.avi" << Kind::Missing << std::string() << AuthUnreadable << false;
        QTest::newRow("directory named like a recording")
            << "folder.avi" << Kind::Directory << std::string() << AuthUnreadable << false;
        QTest::newRow("fifo") << "pipe.avi" << Kind::Fifo << std::string() << AuthTooShort << false;
        QTest::newRow("empty") << "empty.avi" << Kind::File << std::string() << AuthTooShort << false;
        QTest::newRow("511 bytes") << "s.avi" << Kind::File << std::string(511, 'x') << AuthTooShort << false;
        QTest::newRow("jpg of 512 bytes") << "s.jpg" << Kind::File << std::string(512, 'x') << AuthTooShort << false;
        QTest::newRow("jpg of 513 bytes") << "s.jpg" << Kind::File << std::string(513, 'x') << AuthTooShort << false;
        QTest::newRow("jpeg suffix") << "photo.jpeg" << Kind::File << jpg << AuthUnsupportedType << false;
        QTest::newRow("no dot") << "clip" << Kind::File << avi << AuthUnsupportedType << false;
        QTest::newRow("trailing dot") << "clip." << Kind::File << avi << AuthUnsupportedType << false;
        QTest::newRow("mov") << "clip.mov" << Kind::File << avi << AuthUnsupportedType << false;

        QTest::newRow("plain media, no watermark")
            << "plain.avi" << Kind::File << SampleMedia(MediaType::Avi) << AuthBadSignature << false;
        QTest::newRow("block first half changed")
            << "b.avi" << Kind::File << Flip(avi, aviBlock + 100) << AuthBadSignature << false;
        QTest::newRow("truncated export")
            << "t.avi" << Kind::File << avi.substr(0, avi.size() - 100) << AuthBadSignature << false;
        QTest::newRow("avi bytes named jpg") << "x.jpg" << Kind::File << avi << AuthBadSignature << false;
        ExportOptions fault;
        fault.fault = BlockFault::BlockType1;
        QTest::newRow("block type 1") << "f.avi" << Kind::File
                                      << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, fields, fault)
                                      << AuthBadSignature << false;
        fault.fault = BlockFault::NoSeparator;
        QTest::newRow("no separator") << "f.avi" << Kind::File
                                      << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, fields, fault)
                                      << AuthBadSignature << false;
        fault.fault = BlockFault::AboveModulus;
        QTest::newRow("above modulus") << "f.avi" << Kind::File
                                       << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, fields, fault)
                                       << AuthBadSignature << false;

        WatermarkFields badMarker;
        badMarker.marker = "Quorvane Digital Watermark ";
        QTest::newRow("marker with trailing space")
            << "m.avi" << Kind::File << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, badMarker)
            << AuthBadMarker << true;

        QTest::newRow("protected byte changed")
            << "c.avi" << Kind::File << Flip(avi, 5000) << AuthDigestMismatch << true;
        QTest::newRow("jpg last byte changed") << "c.jpg" << Kind::File << Flip(jpg, -1) << AuthDigestMismatch << true;
        QTest::newRow("mp4 body changed") << "c.mp4" << Kind::File << Flip(mp4, -600) << AuthDigestMismatch << true;
        WatermarkFields upper;
        upper.hmac = QByteArray::fromStdString(DigestHexOfMedia(SampleMedia(MediaType::Avi), MediaType::Avi))
                         .toUpper()
                         .toStdString();
        QTest::newRow("hmac in upper case")
            << "u.avi" << Kind::File << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, upper)
            << AuthDigestMismatch << true;

        QTest::newRow("block second half changed")
            << "h.avi" << Kind::File << Flip(avi, aviBlock + 300) << AuthAuthentic << true;
        QTest::newRow("avi prefix changed") << "p.avi" << Kind::File << Flip(avi, 100) << AuthAuthentic << true;
        QTest::newRow("mp4 prefix changed") << "p.mp4" << Kind::File << Flip(mp4, 3145763) << AuthAuthentic << true;
        std::string keyLike;
        while (keyLike.size() < 10000)
            keyLike += "Quorvane Digital Watermark\r\nHMAC: 00000000000000000000000000000000\r\nVHSerial: X\r\n";
        QTest::newRow("key-like text after the block")
            << "k.avi" << Kind::File << avi + keyLike.substr(0, 10000) << AuthBadSignature << false;

        WatermarkFields version;
        version.version = "anything at all";
        QTest::newRow("other version") << "v.avi" << Kind::File
                                       << MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, version)
                                       << AuthAuthentic << true;
    }

    void procedure()
    {
        QFETCH(QString, name);
        QFETCH(Kind, kind);
        QFETCH(std::string, bytes);
        QFETCH(AuthResult, reason);
        QFETCH(bool, filled);

        QTemporaryDir here;
        const QString path = here.filePath(name);
        const QByteArray native = NativePath(path);
        switch (kind) {
        case Kind::File:
            QVERIFY(WriteFile(native.toStdString(), bytes));
            break;
        case Kind::Missing:
            break;
        case Kind::Directory:
            QVERIFY(QDir().mkpath(path));
            break;
        case Kind::Fifo:
            ARDENTIX_SKIP_ON_WINDOWS("Windows has no FIFOs among the files");
            QCOMPARE(mkfifo(native.constData(), 0600), 0);
            break;
        }

        WatermarkRecord record = Sentinel();
        const AuthResult result = AuthenticateFileDetailed(record, native.constData());
        QCOMPARE(AuthResultName(result), AuthResultName(reason));
        WatermarkRecord again = Sentinel();
        QCOMPARE(AuthenticateFile(again, native.constData()), reason == AuthAuthentic ? 0 : -1);

        // The SHA-256 sink, on this thread or a second one, never changes
        // the reason; a regular file gets the hash of all its bytes.
        for (bool onThread : {false, true}) {
            AuthOptions options;
            options.sha256 = true;
            options.sha256OnThread = onThread;
            std::int64_t reached = -1;
            options.progress = [&reached](std::int64_t done) { reached = done; };
            AuthDetails details;
            WatermarkRecord withHash = Sentinel();
            QCOMPARE(AuthResultName(AuthenticateFileDetailed(withHash, native.constData(), options, &details)),
                     AuthResultName(reason));
            const bool regular = kind == Kind::File;
            QCOMPARE(details.hasSha256, regular);
            if (regular) {
                unsigned char expected[SHA256_DIGEST_LENGTH];
                SHA256(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), expected);
                QCOMPARE(QByteArray(reinterpret_cast<const char*>(details.sha256), 32),
                         QByteArray(reinterpret_cast<const char*>(expected), 32));
                QCOMPARE(reached, std::int64_t(bytes.size()));
                QCOMPARE(details.size, std::int64_t(bytes.size()));
            }
        }

        // A stop requested before the digest gives no verdict at all.
        if (reason == AuthAuthentic || reason == AuthDigestMismatch) {
            const std::atomic<bool> stop{true};
            AuthOptions options;
            options.cancel = &stop;
            WatermarkRecord stopped;
            QCOMPARE(AuthResultName(AuthenticateFileDetailed(stopped, native.constData(), options)),
                     AuthResultName(AuthCancelled));
        }

        if (filled) {
            QVERIFY(record.Marker != "sentinel");
            QCOMPARE(record.StartTime, WatermarkFields().startTime);
            QCOMPARE(record.EndTime, WatermarkFields().endTime);
            QCOMPARE(record.VHSerial, WatermarkFields().serial);
            QCOMPARE(record.CamMAC, WatermarkFields().camMac);
        } else {
            QCOMPARE(record.Marker, std::string("sentinel"));
            QCOMPARE(record.HMAC, std::string("sentinel"));
            QCOMPARE(record.VHSerial, std::string("sentinel"));
        }
    }

    void textEndsAtZeroByte()
    {
        const std::string media = SampleMedia(MediaType::Avi);
        ExportOptions options;
        options.useRawText = true;
        options.rawText = std::string("Quorvane Digital Watermark\r\nVersion: 1\r\n\0", 41) +
                          "HMAC: " + DigestHexOfMedia(media, MediaType::Avi) + "\r\nVHSerial: x\r\n";
        const QString path = dir.filePath("zero.avi");
        QVERIFY(WriteFile(QFile::encodeName(path).toStdString(), MakeExport(media, MediaType::Avi, {}, options)));
        WatermarkRecord record;
        QCOMPARE(AuthenticateFileDetailed(record, QFile::encodeName(path).constData()), AuthDigestMismatch);
        QCOMPARE(record.Marker, std::string(ARDENTIX_WATERMARK_MARKER));
        QCOMPARE(record.Version, std::string("1"));
        QVERIFY(record.HMAC.empty());
        QVERIFY(record.VHSerial.empty());
    }

    void textNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ASCII") << QStringLiteral("clip.avi");
        QTest::newRow("Latin") << QStringLiteral("\u00dcberwachung.avi");
        QTest::newRow("Greek and Japanese") << QStringLiteral("\u03a9\u03bc\u03ad\u03b3\u03b1 \u76e3\u8996.avi");
        QTest::newRow("outside the BMP") << QStringLiteral("Kamera \U0001F4F7.avi");
    }

    // A name reaches its file as UTF-8; on Windows also in the ANSI code page
    // where it fits there, and with backslashes.
    void textNames()
    {
        QFETCH(QString, name);
        const QString path = dir.filePath(name);
        const std::string bytes = MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes.data(), qint64(bytes.size())), qint64(bytes.size()));
        file.close();
        QList<QByteArray> forms{path.toUtf8()};
#ifdef Q_OS_WIN
        const QByteArray ansi = path.toLocal8Bit();
        if (QString::fromLocal8Bit(ansi) == path)
            forms << ansi;
        forms << QDir::toNativeSeparators(path).toUtf8();
#endif
        for (const QByteArray& form : std::as_const(forms)) {
            WatermarkRecord record;
            QCOMPARE(AuthenticateFileDetailed(record, form.constData()), AuthAuthentic);
        }
        QVERIFY(file.remove());
    }

    void nonUtf8Name()
    {
        // A name whose bytes are not valid UTF-8 reaches the file calls as is.
        const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9.avi";
        QVERIFY(WriteFile(native.toStdString(), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)));
        WatermarkRecord record;
        const AuthResult result = AuthenticateFileDetailed(record, native.constData());
        ::unlink(native.constData());
        QCOMPARE(result, AuthAuthentic);
    }

    void withoutPermission()
    {
        ARDENTIX_SKIP_ON_WINDOWS("Windows locks files with access lists, not modes");
        if (geteuid() == 0)
            QSKIP("root reads files whatever their permissions");
        const QString path = dir.filePath("locked.avi");
        QVERIFY(
            WriteFile(QFile::encodeName(path).toStdString(), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        WatermarkRecord record;
        QCOMPARE(AuthenticateFileDetailed(record, QFile::encodeName(path).constData()), AuthUnreadable);
        QVERIFY(record.Marker.empty());
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
        QCOMPARE(AuthenticateFileDetailed(record, native.constData()), AuthAuthentic);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek((qint64(21) << 30) / 10));
        QCOMPARE(file.write("x", 1), qint64(1));
        file.close();
        WatermarkRecord tampered;
        QCOMPARE(AuthenticateFileDetailed(tampered, native.constData()), AuthDigestMismatch);
        QVERIFY(QFile::remove(path));
    }

    void shrinkingWhileRead()
    {
        ARDENTIX_SLOW_TEST();
        // A file cut short while it is read is never reported authentic
        // unless the cut came after the verdict.
        const QString path = dir.filePath("shrinking.avi");
        const QByteArray native = QFile::encodeName(path);
        for (int delayUs : {0, 2000, 8000, 20000}) {
            std::string error;
            QVERIFY(WriteLargeExport(native.toStdString(), MediaType::Avi, 32 << 20, false, {}, &error));
            std::atomic<qint64> cutAt{0};
            QElapsedTimer clock;
            clock.start();
            std::thread cutter([&] {
                std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
                if (::truncate(native.constData(), 1 << 20) != 0)
                    return;
                cutAt = clock.nsecsElapsed();
            });
            WatermarkRecord record;
            const AuthResult result = AuthenticateFileDetailed(record, native.constData());
            const qint64 returnedAt = clock.nsecsElapsed();
            cutter.join();
            if (result == AuthAuthentic)
                QVERIFY2(cutAt > returnedAt, qPrintable(QStringLiteral("delay %1 us").arg(delayUs)));
        }
    }

    void longestText()
    {
        // Every field at its longest: the 253-byte message fills the block.
        const std::string media = SampleMedia(MediaType::Jpg);
        WatermarkFields f;
        f.version = std::string(14, 'v');
        f.startTime = std::string(20, 's');
        f.endTime = std::string(20, 'e');
        f.timeSource = std::string(20, 't');
        f.serial = std::string(20, 'n');
        f.camMac = std::string(20, 'm');
        ExportOptions options;
        options.useRawText = true;
        options.rawText = CanonicalText(f, DigestHexOfMedia(media, MediaType::Jpg));
        QCOMPARE(options.rawText.size(), std::size_t(253));
        const QString path = dir.filePath("long.jpg");
        QVERIFY(WriteFile(QFile::encodeName(path).toStdString(), MakeExport(media, MediaType::Jpg, {}, options)));
        WatermarkRecord record;
        QCOMPARE(AuthenticateFileDetailed(record, QFile::encodeName(path).constData()), AuthAuthentic);
        QCOMPARE(record.CamMAC, f.camMac);
    }
};

ARDENTIX_REGISTER_TEST(TestAuthenticate)
#include "tst_authenticate.moc"
