// What the engine reads: the watermark block (its RSA half's padding rules,
// and blocks that are not below the modulus) and its text, read into the
// record; the file under test: files that change while they are read, names
// in every code page and long paths, files that cannot be opened, and files
// beyond 2 GiB.
#include "AuthenticateFile.h"
#include "ExportFolder.h"
#include "FileLayout.h"
#include "FileStream.h"
#include "LargeExport.h"
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"
#include "WatermarkRecord.h"
#include "WatermarkWriter.h"

#include <openssl/bn.h>

#include <atomic>
#include <cstdio>
#include <memory>

using namespace ardentix::engine;
using namespace testsupport;

namespace {

// The RSA half and a second half that no one reads, every byte different.
std::string Block(std::string rsa)
{
    for (int i = 0; i < 256; ++i)
        rsa += char(i ^ 0x5a);
    return rsa;
}

// A genuine block for text plus the modulus, which leaves its value mod n as
// it was; the first seed whose block still fits in 256 bytes.
std::string PlusModulus(const std::string& text)
{
    using Bn = std::unique_ptr<BIGNUM, decltype(&BN_free)>;
    BIGNUM* parsed = nullptr;
    BN_hex2bn(&parsed, DevelopmentModulusHex().c_str());
    const Bn n(parsed, &BN_free);
    for (std::uint32_t seed = 1;; ++seed) {
        ExportOptions options;
        options.seed = seed;
        const std::string c = EncryptMessage(text, options);
        const Bn sum(BN_bin2bn(reinterpret_cast<const unsigned char*>(c.data()), int(c.size()), nullptr), &BN_free);
        BN_add(sum.get(), sum.get(), n.get());
        std::string out(256, '\0');
        if (BN_bn2binpad(sum.get(), reinterpret_cast<unsigned char*>(out.data()), 256) == 256)
            return out;
    }
}

const std::string kCanonical = "Quorvane Digital Watermark\r\n"
                               "Version: 2.1\r\n"
                               "HMAC: 0123456789abcdef0123456789abcdef\r\n"
                               "StartTime: 2012-05-14 09:30:00\r\n"
                               "EndTime: 2012-05-14 09:35:00\r\n"
                               "TimeSource: NTP\r\n"
                               "VHSerial: VH-0042\r\n"
                               "CamMAC: 00:1A:2B:3C:4D:5E\r\n";

QStringList Fields(const WatermarkRecord& r)
{
    QStringList out;
    for (const std::string* f :
         {&r.Marker, &r.Version, &r.HMAC, &r.StartTime, &r.EndTime, &r.TimeSource, &r.VHSerial, &r.CamMAC})
        out << QString::fromLatin1(f->data(), static_cast<int>(f->size()));
    return out;
}

const QStringList kCanonicalFields =
    QStringLiteral("Quorvane Digital Watermark|2.1|0123456789abcdef0123456789abcdef|"
                   "2012-05-14 09:30:00|2012-05-14 09:35:00|NTP|VH-0042|00:1A:2B:3C:4D:5E")
        .split(QLatin1Char('|'));

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::string)

class TestReading : public ExportFolder
{
    Q_OBJECT

private slots:
    void decrypt_data()
    {
        QTest::addColumn<std::string>("block");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<std::string>("message");

        const auto row = [](const char* title, const std::string& block, bool opens, const std::string& message = {}) {
            QTest::newRow(title) << Block(block) << opens << message;
        };
        const auto em = [](char type, const std::string& padding, bool separator, const std::string& message) {
            return PrivateOperation(std::string(1, '\0') + type + padding + std::string(separator ? 1 : 0, '\0') +
                                    message);
        };
        const std::string text = "Quorvane Digital Watermark\r\nVersion: 1\r\n";
        const std::string m253(253, 'M');
        const std::string zero("ab\0cd", 5);
        ExportOptions type1;
        type1.fault = BlockFault::BlockType1;
        ExportOptions atModulus;
        atModulus.fault = BlockFault::AtModulus;
        row("writer block", EncryptMessage(text, ExportOptions()), true, text);
        row("empty padding, 253-byte message", em('\x02', "", true, m253), true, m253);
        row("253 padding bytes, empty message", em('\x02', std::string(253, '\x11'), true, ""), true);
        row("message with a zero byte kept whole", em('\x02', std::string(248, '\x22'), true, zero), true, zero);
        row("254 nonzero bytes, no separator", em('\x02', std::string(254, '\x33'), false, ""), false);
        row("block type 1", em('\x01', std::string(200, '\xff'), true, std::string(51, 'x')), false);
        row("writer block type 1", EncryptMessage(text, type1), false);
        row("all zero: m = 0", std::string(256, '\0'), false);
        row("all 0xFF: above the modulus", std::string(256, '\xff'), false);
        row("equal to the modulus", EncryptMessage(text, atModulus), false);
        row("first byte not zero",
            PrivateOperation(std::string("\x01\x02", 2) + std::string(10, '\x44') + '\0' + std::string(243, 'y')),
            false);
        row("random bytes", '\x12' + std::string(255, '\x9c'), false);
        // The same number mod n, but not below it: not a block the servers make.
        row("genuine block plus the modulus", PlusModulus(text), false);
    }

    void decrypt()
    {
        QFETCH(std::string, block);
        QFETCH(bool, opens);
        QFETCH(std::string, message);
        QCOMPARE(block.size(), std::size_t(512));
        unsigned char out[ARDENTIX_MESSAGE_BUFFER_SIZE];
        std::size_t length = 9999;
        QCOMPARE(RsaPublicDecrypt(reinterpret_cast<const unsigned char*>(block.data()), out, &length), opens);
        QCOMPARE(std::string(reinterpret_cast<const char*>(out), opens ? length : 0), message);
        QCOMPARE(length == 9999, !opens);
    }

    void fill_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<QStringList>("fields");
        // The fields of base (the canonical ones unless given), changed where asked.
        const auto row = [](const char* title, const std::string& text, const QList<QPair<int, QString>>& changed,
                            QStringList base = kCanonicalFields) {
            for (const auto& [index, value] : changed)
                base[index] = value;
            QTest::newRow(title) << text << base;
        };
        const QStringList empty(8, QString());
        row("canonical", kCanonical, {});
        row("empty text", "", {}, empty);
        row("keys only, empty first line",
            "\r\nVersion: \r\nHMAC: \r\nStartTime: \r\nEndTime: \r\nTimeSource: \r\nVHSerial: \r\nCamMAC: \r\n", {},
            empty);
        std::string lf = kCanonical;
        for (std::string::size_type at; (at = lf.find("\r\n")) != std::string::npos;)
            lf.replace(at, 2, "\n");
        row("LF line ends", lf, {}, empty);
        row("other order",
            "Quorvane Digital Watermark\r\nCamMAC: 00:1A:2B:3C:4D:5E\r\nVHSerial: VH-0042\r\nTimeSource: NTP\r\n"
            "EndTime: 2012-05-14 09:35:00\r\nStartTime: 2012-05-14 09:30:00\r\n"
            "HMAC: 0123456789abcdef0123456789abcdef\r\nVersion: 2.1\r\n",
            {});
        row("no space after the colon", Replace(kCanonical, "Version: 2.1", "Version:2.1"), {{1, ""}});
        row("key in lower case", Replace(kCanonical, "HMAC: ", "hmac: "), {{2, ""}});
        row("last line without CR LF", kCanonical.substr(0, kCanonical.size() - 2), {{7, ""}});
        row("duplicate key: first wins", kCanonical + "VHSerial: other\r\n", {});
        row("key inside an earlier value", Replace(kCanonical, "Version: 2.1", "Version: 2.1 HMAC: ffff extra"),
            {{1, "2.1 HMAC: ffff extra"}, {2, "ffff extra"}});
        row("value keeps spaces and lone CR or LF",
            Replace(kCanonical, "VHSerial: VH-0042", "VHSerial:   VH-0042 \n\r"), {{6, "  VH-0042 \n\r"}});
        row("marker with trailing space",
            Replace(kCanonical, "Quorvane Digital Watermark", "Quorvane Digital Watermark "),
            {{0, "Quorvane Digital Watermark "}});
        row("an empty value", Replace(kCanonical, "NTP", ""), {{5, ""}});
        // The marker is the text up to the first CR LF, whatever it holds.
        row("the first line is the marker", "abc\r\ndef\r\n", {{0, "abc"}}, empty);
        row("no CR LF after the key", "Version: 1", {}, empty);
        row("CR LF right after the key", "Version: \r\n", {{0, "Version: "}}, empty);
        row("key missing", "x\r\n", {{0, "x"}}, empty);
        row("key in the middle of a line", "xxHMAC: ab\r\n", {{0, "xxHMAC: ab"}, {2, "ab"}}, empty);
        row("the first CR LF after the key ends it", "HMAC: a\rb\r\nc\r\n", {{0, "HMAC: a\rb"}, {2, "a\rb"}}, empty);
    }

    void fill()
    {
        QFETCH(std::string, text);
        QFETCH(QStringList, fields);
        WatermarkRecord record;
        record.VHSerial = "stale";
        record.Fill(text);
        QCOMPARE(Fields(record), fields);
    }

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

ARDENTIX_REGISTER_TEST(TestReading)
#include "tst_reading.moc"
