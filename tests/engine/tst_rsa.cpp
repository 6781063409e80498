// Opening the RSA block: padding rules and result codes.
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

using namespace testsupport;

namespace {

// The RSA half and a second half that no one reads, every byte different.
std::string Block(std::string rsa)
{
    for (int i = 0; i < 256; ++i)
        rsa += char(i ^ 0x5a);
    return rsa;
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
        QTest::addColumn<int>("code");
        QTest::addColumn<std::string>("message");

        const auto row = [](const char* title, const std::string& block, int code, const std::string& message = {}) {
            QTest::newRow(title) << Block(block) << code << message;
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
        row("writer block", EncryptMessage(text, ExportOptions()), 0, text);
        row("empty padding, 253-byte message", em('\x02', "", true, m253), 0, m253);
        row("253 padding bytes, empty message", em('\x02', std::string(253, '\x11'), true, ""), 0);
        row("message with a zero byte kept whole", em('\x02', std::string(248, '\x22'), true, zero), 0, zero);
        row("254 nonzero bytes, no separator", em('\x02', std::string(254, '\x33'), false, ""),
            ARDENTIX_RSA_INVALID_PADDING);
        row("block type 1", em('\x01', std::string(200, '\xff'), true, std::string(51, 'x')),
            ARDENTIX_RSA_INVALID_PADDING);
        row("writer block type 1", EncryptMessage(text, type1), ARDENTIX_RSA_INVALID_PADDING);
        row("all zero: m = 0", std::string(256, '\0'), ARDENTIX_RSA_INVALID_PADDING);
        row("all 0xFF: above the modulus", std::string(256, '\xff'), ARDENTIX_RSA_BAD_INPUT);
        row("equal to the modulus", EncryptMessage(text, atModulus), ARDENTIX_RSA_BAD_INPUT);
        row("first byte not zero",
            PrivateOperation(std::string("\x01\x02", 2) + std::string(10, '\x44') + '\0' + std::string(243, 'y')),
            ARDENTIX_RSA_INVALID_PADDING);
        row("random bytes", '\x12' + std::string(255, '\x9c'), ARDENTIX_RSA_INVALID_PADDING);
    }

    void decrypt()
    {
        QFETCH(std::string, block);
        QFETCH(int, code);
        QFETCH(std::string, message);
        QCOMPARE(block.size(), std::size_t(512));
        unsigned char out[ARDENTIX_MESSAGE_BUFFER_SIZE];
        std::size_t length = 9999;
        const int ret = RsaPublicDecrypt(reinterpret_cast<const unsigned char*>(block.data()), out, &length);
        QCOMPARE(ret, code);
        if (code == 0)
            QCOMPARE(std::string(reinterpret_cast<const char*>(out), length), message);
    }
};

ARDENTIX_REGISTER_TEST(TestRsa)
#include "tst_rsa.moc"
