// The authentication procedure: verdicts, reasons and their order, the bytes
// the digest covers, what the record holds, and how soon a stop is honoured.
#include "AuthenticateFile.h"
#include "ExportFolder.h"
#include "FileStream.h"
#include "Md5.h"
#include "PosixCalls.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QTemporaryDir>

#include <atomic>

using namespace ardentix::engine;
using namespace testsupport;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(AuthResult)
Q_DECLARE_METATYPE(WatermarkFields)

namespace {

enum class Kind
{
    File,
    Missing,
    Directory,
    Fifo
};

WatermarkRecord Sentinel()
{
    WatermarkRecord r;
    r.Marker = r.Version = r.HMAC = r.StartTime = r.EndTime = r.TimeSource = r.VHSerial = r.CamMAC = "sentinel";
    return r;
}

// n bytes that differ from one read block to the next (xorshift), so that a
// block hashed twice, left out or out of order changes the SHA-256.
std::string Varied(std::size_t n)
{
    std::string bytes(n, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

// "first-last,first-last=total" (last bytes inclusive), or "unknown".
QString Coverage(const AuthDetails& details)
{
    if (!details.coverageKnown)
        return QStringLiteral("unknown");
    QStringList ranges;
    for (int i = 0; i < details.covered.count; ++i)
        ranges << QStringLiteral("%1-%2").arg(details.covered.begin[i]).arg(details.covered.end[i] - 1);
    return ranges.join(QLatin1Char(',')) + QLatin1Char('=') + QString::number(details.covered.total);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestAuthenticate : public ExportFolder
{
    Q_OBJECT

private:
    // The rows where the file's bytes decide: signatures, markers, digests,
    // and the bytes outside the protected ranges.
    template <typename Row> void ContentRows(const Row& row, const std::string& jpg, const std::string& mp4)
    {
        const std::int64_t aviBlock = BlockOffset(std::int64_t(avi.size()), MediaType::Avi);
        // An AVI export with these fields and this fault.
        const auto aviWith = [](const WatermarkFields& fields, BlockFault fault = BlockFault::None) {
            ExportOptions options;
            options.fault = fault;
            return MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, fields, options);
        };
        row("plain media, no watermark", "plain.avi", SampleMedia(MediaType::Avi), AuthResult::BadSignature);
        row("block first half changed", "b.avi", Flip(avi, aviBlock + 100), AuthResult::BadSignature);
        row("truncated export", "t.avi", avi.substr(0, avi.size() - 100), AuthResult::BadSignature);
        row("avi bytes named jpg", "x.jpg", avi, AuthResult::BadSignature);
        row("block type 1", "f.avi", aviWith({}, BlockFault::BlockType1), AuthResult::BadSignature);
        row("no separator", "f.avi", aviWith({}, BlockFault::NoSeparator), AuthResult::BadSignature);
        row("above modulus", "f.avi", aviWith({}, BlockFault::AboveModulus), AuthResult::BadSignature);
        std::string keyLike;
        while (keyLike.size() < 10000)
            keyLike += "Quorvane Digital Watermark\r\nHMAC: 00000000000000000000000000000000\r\nVHSerial: X\r\n";
        row("key-like text after the block", "k.avi", avi + keyLike.substr(0, 10000), AuthResult::BadSignature);

        // Lengths at the edges of the read blocks; the longer ones have their
        // SHA-256 handed to the second thread in batches, round its ring.
        const auto aviOf = [](std::int64_t length) {
            const std::string media = SampleMedia(MediaType::Avi);
            return MakeExport(media + Varied(std::size_t(length) - 512 - media.size()), MediaType::Avi);
        };
        const std::int64_t readBlock = ARDENTIX_READ_BLOCK_SIZE;
        row("avi of one read block and one byte", "r.avi", aviOf(readBlock + 1), AuthResult::Authentic);
        row("avi of 40 whole read blocks", "r.avi", aviOf(40 * readBlock), AuthResult::Authentic);
        row("avi of 40 read blocks and one byte", "r.avi", aviOf(40 * readBlock + 1), AuthResult::Authentic);

        WatermarkFields badMarker;
        badMarker.marker = "Quorvane Digital Watermark ";
        row("marker with trailing space", "m.avi", aviWith(badMarker), AuthResult::BadMarker, Kind::File, badMarker);

        row("protected byte changed", "c.avi", Flip(avi, 5000), AuthResult::DigestMismatch);
        row("jpg first byte changed", "c.jpg", Flip(jpg, 0), AuthResult::DigestMismatch);
        row("jpg last body byte changed", "c.jpg", Flip(jpg, -515), AuthResult::DigestMismatch);
        row("jpg second-to-last byte changed", "c.jpg", Flip(jpg, -2), AuthResult::DigestMismatch);
        row("jpg last byte changed", "c.jpg", Flip(jpg, -1), AuthResult::DigestMismatch);
        row("avi byte 240 changed", "c.avi", Flip(avi, 240), AuthResult::DigestMismatch);
        row("avi last body byte changed", "c.avi", Flip(avi, -513), AuthResult::DigestMismatch);
        row("mp4 byte 3145764 changed", "c.mp4", Flip(mp4, 3145764), AuthResult::DigestMismatch);
        row("mp4 last body byte changed", "c.mp4", Flip(mp4, -513), AuthResult::DigestMismatch);
        WatermarkFields upper;
        upper.hmac = QByteArray::fromStdString(DigestHexOfMedia(SampleMedia(MediaType::Avi), MediaType::Avi))
                         .toUpper()
                         .toStdString();
        row("hmac in upper case", "u.avi", aviWith(upper), AuthResult::DigestMismatch);

        // Bytes outside the protected ranges may change.
        row("block second half changed", "h.avi", Flip(avi, aviBlock + 300), AuthResult::Authentic);
        row("jpg block last byte changed", "h.jpg", Flip(jpg, -3), AuthResult::Authentic);
        row("avi byte 239 changed", "p.avi", Flip(avi, 239), AuthResult::Authentic);
        row("avi last byte changed", "p.avi", Flip(avi, -1), AuthResult::Authentic);
        row("mp4 byte 3145763 changed", "p.mp4", Flip(mp4, 3145763), AuthResult::Authentic);
        WatermarkFields version;
        version.version = "anything at all";
        row("other version", "v.avi", aviWith(version), AuthResult::Authentic, Kind::File, version);

        // Texts written byte for byte: one that a zero byte ends, read up to
        // there; every field at its longest, the 253-byte message filling the
        // block.
        const auto raw = [](const std::string& media, MediaType type, const std::string& text) {
            ExportOptions options;
            options.useRawText = true;
            options.rawText = text;
            return MakeExport(media, type, {}, options);
        };
        const std::string media = SampleMedia(MediaType::Avi);
        WatermarkFields upToZero;
        upToZero.version = "1";
        upToZero.startTime = upToZero.endTime = upToZero.serial = upToZero.camMac = "";
        row("text ends at a zero byte", "z.avi",
            raw(media, MediaType::Avi,
                std::string("Quorvane Digital Watermark\r\nVersion: 1\r\n\0", 41) +
                    "HMAC: " + DigestHexOfMedia(media, MediaType::Avi) + "\r\nVHSerial: x\r\n"),
            AuthResult::DigestMismatch, Kind::File, upToZero);
        WatermarkFields longest;
        longest.version = std::string(14, 'v');
        longest.startTime = std::string(20, 's');
        longest.endTime = std::string(20, 'e');
        longest.timeSource = std::string(20, 't');
        longest.serial = std::string(20, 'n');
        longest.camMac = std::string(20, 'm');
        const std::string text = CanonicalText(longest, DigestHexOfMedia(SampleMedia(MediaType::Jpg), MediaType::Jpg));
        QCOMPARE(text.size(), std::size_t(253));
        row("every field at its longest", "l.jpg", raw(SampleMedia(MediaType::Jpg), MediaType::Jpg, text),
            AuthResult::Authentic, Kind::File, longest);
    }

private slots:

    void procedure_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<AuthResult>("reason");
        QTest::addColumn<WatermarkFields>("fields"); // as the record holds them once the text is read
        QTest::addColumn<QString>("covered");        // the bytes the digest covers; empty: not compared

        const std::string jpg = MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg);
        const std::string mp4 = MakeExport(PaddedMedia(MediaType::Mp4, 3145764 + 20000), MediaType::Mp4);
        const auto row = [](const char* title, const QString& name, const std::string& bytes, AuthResult reason,
                            Kind kind = Kind::File, const WatermarkFields& fields = WatermarkFields()) {
            QTest::newRow(title) << name << kind << bytes << reason << fields << QString();
        };
        // The bytes the digest covers are known once the length and the type
        // are, whatever the file holds: here zeros.
        const auto sized = [](const char* title, const QString& name, qint64 size, AuthResult reason,
                              const QString& covered) {
            QTest::newRow(title) << name << Kind::File << std::string(std::size_t(size), '\0') << reason
                                 << WatermarkFields() << covered;
        };
        using R = AuthResult;
        sized("too short, nothing known", "a.jpg", 511, R::TooShort, "unknown");
        sized("unsupported type, nothing known", "a.mov", 600, R::UnsupportedType, "unknown");
        sized("covered: jpg of 512 bytes", "a.jpg", 512, R::TooShort, "510-511=2");
        sized("covered: jpg of 514 bytes", "a.jpg", 514, R::BadSignature, "512-513=2");
        sized("covered: jpg of 515 bytes", "a.jpg", 515, R::BadSignature, "0-0,513-514=3");
        sized("covered: jpg of 5000 bytes", "a.JPG", 5000, R::BadSignature, "0-4485,4998-4999=4488");
        sized("covered: avi of 752 bytes, none", "a.avi", 752, R::BadSignature, "=0");
        sized("covered: avi of 753 bytes", "a.avi", 753, R::BadSignature, "240-240=1");
        sized("covered: avi of 5000 bytes", "a.avi", 5000, R::BadSignature, "240-4487=4248");
        sized("covered: mp4 within its prefix", "a.mp4", 3146276, R::BadSignature, "=0");
        sized("covered: mp4 one byte past", "a.mp4", 3146277, R::BadSignature, "3145764-3145764=1");
        sized("covered: mp4 of 4000000 bytes", "a.Mp4", 4000000, R::BadSignature, "3145764-3999487=853724");

        row("genuine jpg", "a.jpg", jpg, AuthResult::Authentic);
        row("genuine avi", "a.avi", avi, AuthResult::Authentic);
        row("genuine mp4", "a.mp4", mp4, AuthResult::Authentic);
        row("mixed-case suffix", "clip.Avi", avi, AuthResult::Authentic);
        row("upper-case name", "CLIP.AVI", avi, AuthResult::Authentic);
        row("several dots: the last suffix counts", "a.b.jpg", jpg, AuthResult::Authentic);
        row("non-ASCII UTF-8 name", QString::fromUtf8("Überwachung 監視.avi"), avi, AuthResult::Authentic);

        row("missing", "missing.avi", std::string(), AuthResult::Unreadable, Kind::Missing);
        row("directory named like a recording", "folder.avi", std::string(), AuthResult::Unreadable, Kind::Directory);
        row("fifo: its status says 0 bytes", "pipe.avi", std::string(), AuthResult::TooShort, Kind::Fifo);
        row("empty", "empty.avi", std::string(), AuthResult::TooShort);
        row("511 bytes", "s.avi", std::string(511, 'x'), AuthResult::TooShort);
        row("jpg of 512 bytes", "s.jpg", std::string(512, 'x'), AuthResult::TooShort);
        row("jpg of 513 bytes", "s.jpg", std::string(513, 'x'), AuthResult::TooShort);
        row("jpg of 514 bytes", "s.jpg", std::string(514, 'x'), AuthResult::BadSignature);
        row("avi of 512 bytes", "s.avi", std::string(512, 'x'), AuthResult::BadSignature);
        // The length is checked before the type.
        row("short file of unsupported type", "s.mov", std::string(100, 'x'), AuthResult::TooShort);
        row("short file without a dot", "short", std::string(511, 'x'), AuthResult::TooShort);
        row("jpeg suffix", "photo.jpeg", jpg, AuthResult::UnsupportedType);
        row("suffix that starts like jpg", "photo.jpgx", jpg, AuthResult::UnsupportedType);
        row("suffix that starts like mp4", "clip.mp4v", mp4, AuthResult::UnsupportedType);
        row("suffix shorter than avi", "clip.av", avi, AuthResult::UnsupportedType);
        row("no dot", "clip", avi, AuthResult::UnsupportedType);
        row("trailing dot", "clip.", avi, AuthResult::UnsupportedType);
        row("dot in a folder name only", "d.avi/clip", avi, AuthResult::UnsupportedType);

        ContentRows(row, jpg, mp4);
    }

    void procedure()
    {
        QFETCH(QString, name);
        QFETCH(Kind, kind);
        QFETCH(std::string, bytes);
        QFETCH(AuthResult, reason);
        QFETCH(WatermarkFields, fields);
        QFETCH(QString, covered);

        QTemporaryDir here;
        const QString path = here.filePath(name);
        const QByteArray native = NativePath(path);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (kind == Kind::File)
            QVERIFY(WriteFile(native.toStdString(), bytes));
        else if (kind == Kind::Directory)
            QVERIFY(QDir().mkpath(path));
        else if (kind == Kind::Fifo) {
            ARDENTIX_SKIP_ON_WINDOWS("Windows has no FIFOs among the files");
            QCOMPARE(mkfifo(native.constData(), 0600), 0);
        }

        WatermarkRecord record = Sentinel();
        QCOMPARE(AuthResultName(AuthenticateFile(record, native.constData())), AuthResultName(reason));

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
            QCOMPARE(AuthResultName(AuthenticateFile(withHash, native.constData(), options, &details)),
                     AuthResultName(reason));
            QCOMPARE(details.hasSha256, kind == Kind::File);
#ifdef Q_OS_WIN
            const bool noLength = kind != Kind::File; // a folder's status says 0 bytes there
#else
            const bool noLength = kind == Kind::Missing;
#endif
            QCOMPARE(qint64(details.size), noLength ? -1 : QFileInfo(path).size());
            if (!covered.isEmpty())
                QCOMPARE(Coverage(details), covered);
            if (kind == Kind::File) {
                QCOMPARE(QByteArray(reinterpret_cast<const char*>(details.sha256), 32), Sha256Of(bytes));
                QCOMPARE(reached, std::int64_t(bytes.size()));
            } else {
                QCOMPARE(QByteArray(reinterpret_cast<const char*>(details.sha256), 32), QByteArray(32, '\0'));
            }
        }

        // A stop before the digest gives no verdict; the digest of the
        // protected bytes is the watermark's HMAC exactly when it is
        // authentic.
        if (reason == AuthResult::Authentic || reason == AuthResult::DigestMismatch) {
            const std::atomic<bool> stop{true};
            AuthOptions options;
            options.cancel = &stop;
            WatermarkRecord stopped;
            QCOMPARE(AuthResultName(AuthenticateFile(stopped, native.constData(), options)),
                     AuthResultName(AuthResult::Cancelled));
            const QByteArray type = native.right(3).toUpper();
            const MediaType media = type == "JPG" ? MediaType::Jpg : type == "AVI" ? MediaType::Avi : MediaType::Mp4;
            QCOMPARE(DigestHexOfExport(bytes, media) == record.HMAC, reason == AuthResult::Authentic);
        }

        // The record is filled once the text is read, and left as given
        // before that.
        const bool filled =
            reason == AuthResult::Authentic || reason == AuthResult::BadMarker || reason == AuthResult::DigestMismatch;
        const WatermarkFields& f = fields;
        QCOMPARE(std::vector<std::string>(
                     {record.Marker, record.Version, record.StartTime, record.EndTime, record.VHSerial, record.CamMAC}),
                 filled ? std::vector<std::string>({f.marker, f.version, f.startTime, f.endTime, f.serial, f.camMac})
                        : std::vector<std::string>(6, "sentinel"));
    }

    // A stop is honoured before the next block, also within one long range
    // and with the SHA-256 on a second thread, whose waiting blocks are then
    // dropped; and in the pass that gives the SHA-256 of a file that failed
    // before its digest (forged), which a failure without its SHA-256 would
    // make look changed to a re-check.
    void stopWithinRange_data()
    {
        QTest::addColumn<int>("sha256"); // 0: none, 1: on this thread, 2: on its own
        QTest::addColumn<bool>("forged");
        QTest::newRow("without SHA-256") << 0 << false;
        QTest::newRow("SHA-256 on this thread") << 1 << false;
        QTest::newRow("SHA-256 on its own thread") << 2 << false;
        QTest::newRow("forged, its SHA-256 pass") << 1 << true;
    }

    void stopWithinRange()
    {
        QFETCH(int, sha256);
        QFETCH(bool, forged);
        std::string bytes = MakeExport(PaddedMedia(MediaType::Avi, 10 << 20), MediaType::Avi);
        if (forged)
            bytes = Flip(bytes, std::int64_t(bytes.size()) - 500);
        const QByteArray path = WriteNative(QStringLiteral("long.avi"), bytes);
        const std::int64_t half = std::int64_t(bytes.size()) / 2;
        std::atomic<bool> stop{false};
        QList<qint64> reached;
        AuthOptions options;
        options.sha256 = sha256 > 0;
        options.sha256OnThread = sha256 == 2;
        options.cancel = &stop;
        options.progress = [&](std::int64_t done) {
            reached << done;
            stop = done >= half;
        };
        WatermarkRecord record;
        AuthDetails details;
        QCOMPARE(AuthResultName(AuthenticateFile(record, path.constData(), options, &details)),
                 AuthResultName(AuthResult::Cancelled));
        // The blocks run from byte 0 with the SHA-256, from the first
        // protected byte (240) without; the last reached is the first
        // past the middle.
        const qint64 first = sha256 > 0 || forged ? 0 : 240;
        const qint64 block = ARDENTIX_READ_BLOCK_SIZE;
        const qint64 blocks = (half - first + block - 1) / block;
        QCOMPARE(qint64(reached.size()), blocks);
        QCOMPARE(reached.last(), first + blocks * block);
        QVERIFY(!details.hasSha256);
    }

    // The HMAC under the servers' key, against values computed with:
    // printf '%s' MESSAGE | openssl dgst -md5 -mac HMAC -macopt key:Qrzn.Westerlandia.1997
    void watermarkHmac_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("mac");
        QTest::newRow("empty") << QByteArray("") << QByteArray("dd204f8dc7def161890ee26dd2d9df0c");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("547eaba03b2a469b2a9c1b71fca214e3");
        QTest::newRow("100 bytes, longer than a block")
            << QByteArray(100, 'x') << QByteArray("ddb5e75cd75a813627ed5eb017937ca3");
        QTest::newRow("md5 of empty") << QByteArray::fromHex("d41d8cd98f00b204e9800998ecf8427e")
                                      << QByteArray("bf4d38857360f35121438db9e0e7469a");
    }

    void watermarkHmac()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, mac);
        unsigned char out[16];
        QVERIFY(WatermarkHmac(reinterpret_cast<const unsigned char*>(message.constData()), std::size_t(message.size()),
                              out));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(out), 16).toHex(), mac);
    }
};

ARDENTIX_REGISTER_TEST(TestAuthenticate)
#include "tst_authenticate.moc"
