// Opening the RSA block: padding rules and result codes.
#include "RsaPublicDecrypt.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

using namespace testsupport;

namespace {

std::string Block(const std::string& rsa)
{
    return rsa + std::string(256, '\x5a');
}

std::string Em(char type, const std::string& padding, bool separator, const std::string& message)
{
    std::string em;
    em += '\0';
    em += type;
    em += padding;
    if (separator)
        em += '\0';
    em += message;
    return em;
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

        const std::string text = "Quorvane Digital Watermark\r\nVersion: 1\r\n";
        ExportOptions options;
        QTest::newRow("writer block") << Block(EncryptMessage(text, options)) << 0 << text;

        const std::string m253(253, 'M');
        QTest::newRow("empty padding, 253-byte message")
            << Block(PrivateOperation(Em('\x02', "", true, m253))) << 0 << m253;
        QTest::newRow("253 padding bytes, empty message")
            << Block(PrivateOperation(Em('\x02', std::string(253, '\x11'), true, ""))) << 0 << std::string();
        QTest::newRow("message with a zero byte kept whole")
            << Block(PrivateOperation(Em('\x02', std::string(248, '\x22'), true, std::string("ab\0cd", 5)))) << 0
            << std::string("ab\0cd", 5);

        QTest::newRow("254 nonzero bytes, no separator")
            << Block(PrivateOperation(Em('\x02', std::string(254, '\x33'), false, ""))) << ARDENTIX_RSA_INVALID_PADDING
            << std::string();
        QTest::newRow("block type 1") << Block(PrivateOperation(
                                             Em('\x01', std::string(200, '\xff'), true, std::string(51, 'x'))))
                                      << ARDENTIX_RSA_INVALID_PADDING << std::string();
        options.fault = BlockFault::BlockType1;
        QTest::newRow("writer block type 1")
            << Block(EncryptMessage(text, options)) << ARDENTIX_RSA_INVALID_PADDING << std::string();
        QTest::newRow("all zero: m = 0") << Block(std::string(256, '\0')) << ARDENTIX_RSA_INVALID_PADDING
                                         << std::string();
        QTest::newRow("all 0xFF: above the modulus")
            << Block(std::string(256, '\xff')) << ARDENTIX_RSA_BAD_INPUT << std::string();
        options.fault = BlockFault::AtModulus;
        QTest::newRow("equal to the modulus")
            << Block(EncryptMessage(text, options)) << ARDENTIX_RSA_BAD_INPUT << std::string();
        QTest::newRow("first byte not zero")
            << Block(PrivateOperation(std::string("\x01\x02", 2) + std::string(10, '\x44') + std::string(1, '\0') +
                                      std::string(243, 'y')))
            << ARDENTIX_RSA_INVALID_PADDING << std::string();
        QTest::newRow("random bytes") << Block(std::string(1, '\x12') + std::string(255, '\x9c'))
                                      << ARDENTIX_RSA_INVALID_PADDING << std::string();
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

    void secondHalfIgnored()
    {
        const std::string text = "Quorvane Digital Watermark\r\n";
        std::string block = Block(EncryptMessage(text, ExportOptions()));
        for (std::size_t i = 256; i < 512; ++i)
            block[i] = static_cast<char>(i);
        unsigned char out[ARDENTIX_MESSAGE_BUFFER_SIZE];
        std::size_t length = 0;
        QCOMPARE(RsaPublicDecrypt(reinterpret_cast<const unsigned char*>(block.data()), out, &length), 0);
        QCOMPARE(std::string(reinterpret_cast<const char*>(out), length), text);
    }

    void otherKeyFails()
    {
        // A block made with another key pair does not open under ours.
        const char* otherModulus =
            "C3A1E5F0B2D4968778695A4B3C2D1E0F11223344556677889900AABBCCDDEEFF0102030405060708090A0B0C0D0E0F1011"
            "12131415161718191A1B1C1D1E1F202122232425262728292A2B2C2D2E2F303132333435363738393A3B3C3D3E3F4041"
            "42434445464748494A4B4C4D4E4F505152535455565758595A5B5C5D5E5F606162636465666768696A6B6C6D6E6F7071"
            "72737475767778797A7B7C7D7E7F808182838485868788898A8B8C8D8E8F909192939495969798999A9B9C9D9E9FA0A1"
            "A2A3A4A5A6A7A8A9AAABACADAEAFB0B1B2B3B4B5B6B7B8B9BABBBCBDBEBFC0C1C2C3C4C5C6C7C8C9CACBCCCDCECFD0D1"
            "D2D3D4D5D6D7D8D9DADBDCDDDEDFE0E1E2E3E4E5E6E7";
        const std::string block = Block(EncryptMessage("Quorvane Digital Watermark\r\n", ExportOptions()));
        unsigned char out[ARDENTIX_MESSAGE_BUFFER_SIZE];
        std::size_t length = 0;
        const int ret = RsaPublicDecryptWithModulus(otherModulus, reinterpret_cast<const unsigned char*>(block.data()),
                                                    out, &length);
        QVERIFY(ret == ARDENTIX_RSA_INVALID_PADDING || ret == ARDENTIX_RSA_BAD_INPUT);
    }

    void keyLengthLimits_data()
    {
        QTest::addColumn<QByteArray>("modulus");
        QTest::addColumn<int>("code");
        QTest::newRow("120 bits") << QByteArray(30, 'F') << ARDENTIX_RSA_BAD_INPUT;
        QTest::newRow("4104 bits, longer than the block")
            << QByteArray("F") + QByteArray(1025, 'F') << ARDENTIX_RSA_BAD_INPUT;
    }

    void keyLengthLimits()
    {
        QFETCH(QByteArray, modulus);
        QFETCH(int, code);
        const std::string block(512, '\0');
        unsigned char out[ARDENTIX_MESSAGE_BUFFER_SIZE];
        std::size_t length = 0;
        QCOMPARE(RsaPublicDecryptWithModulus(modulus.constData(), reinterpret_cast<const unsigned char*>(block.data()),
                                             out, &length),
                 code);
    }
};

ARDENTIX_REGISTER_TEST(TestRsa)
#include "tst_rsa.moc"
