// Opening the RSA block: the padding rules, and blocks that are not below
// the modulus.
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"
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

} // namespace

Q_DECLARE_METATYPE(std::string)

class TestRsa : public QObject
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
};

ARDENTIX_REGISTER_TEST(TestRsa)
#include "tst_rsa.moc"
