// The watermark block: opening its RSA half (the padding rules, and blocks
// that are not below the modulus), and reading its text into the record.
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"
#include "WatermarkRecord.h"
#include "WatermarkWriter.h"

#include <openssl/bn.h>

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

class TestWatermarkBlock : public QObject
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
};

ARDENTIX_REGISTER_TEST(TestWatermarkBlock)
#include "tst_watermarkblock.moc"
