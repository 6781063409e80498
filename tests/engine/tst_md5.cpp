// MD5 and HMAC-MD5 against published and independently computed values.
#include "Md5.h"
#include "TestRegistry.h"

#include <cstring>

namespace {

QByteArray Hex(const unsigned char* bytes, int length)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), length).toHex();
}

QByteArray Md5Of(const QByteArray& message, const QList<int>& splits = {})
{
    Md5Context ctx;
    Md5Init(&ctx);
    int at = 0;
    for (int split : splits) {
        Md5Update(&ctx, reinterpret_cast<const unsigned char*>(message.constData()) + at,
                  static_cast<std::uint32_t>(split));
        at += split;
    }
    Md5Update(&ctx, reinterpret_cast<const unsigned char*>(message.constData()) + at,
              static_cast<std::uint32_t>(message.size() - at));
    unsigned char digest[16];
    Md5Final(&ctx, digest);
    return Hex(digest, 16);
}

} // namespace

class TestMd5 : public QObject
{
    Q_OBJECT

private slots:
    void rfc1321_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("digest");
        // The test suite of RFC 1321, appendix A.5.
        QTest::newRow("empty") << QByteArray("") << QByteArray("d41d8cd98f00b204e9800998ecf8427e");
        QTest::newRow("a") << QByteArray("a") << QByteArray("0cc175b9c0f1b6a831c399e269772661");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("900150983cd24fb0d6963f7d28e17f72");
        QTest::newRow("message digest") << QByteArray("message digest")
                                        << QByteArray("f96b697d7cb7938d525a2f31aaf161d0");
        QTest::newRow("alphabet") << QByteArray("abcdefghijklmnopqrstuvwxyz")
                                  << QByteArray("c3fcd3d76192e4007dfb496cca67e13b");
        QTest::newRow("alphanumeric") << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789")
                                      << QByteArray("d174ab98d277d9f5a5611c2c9f419d9f");
        QTest::newRow("digits") << QByteArray("1234567890123456789012345678901234567890123456789012345678901234567890"
                                              "1234567890")
                                << QByteArray("57edf4a22be3c955ac49da2e2107b67a");
    }

    void rfc1321()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, digest);
        QCOMPARE(Md5Of(message), digest);
        // Any split into updates gives the same digest.
        if (message.size() > 3)
            QCOMPARE(Md5Of(message, {1, 0, int(message.size() / 2) - 1}), digest);
    }

    void blockBoundaries_data()
    {
        QTest::addColumn<int>("length");
        for (int length : {55, 56, 63, 64, 65, 119, 120, 128, 1000})
            QTest::addRow("%d bytes", length) << length;
    }

    void blockBoundaries()
    {
        // Against QCryptographicHash, which shares no code with ours.
        QFETCH(int, length);
        QByteArray message(length, '\0');
        for (int i = 0; i < length; ++i)
            message[i] = static_cast<char>(i * 7 + 3);
        const QByteArray expected = QCryptographicHash::hash(message, QCryptographicHash::Md5).toHex();
        QCOMPARE(Md5Of(message), expected);
        QCOMPARE(Md5Of(message, {length / 3, length / 3}), expected);
    }

    void finalWipesContext()
    {
        Md5Context ctx;
        Md5Init(&ctx);
        Md5Update(&ctx, reinterpret_cast<const unsigned char*>("abc"), 3);
        unsigned char digest[16];
        Md5Final(&ctx, digest);
        const Md5Context zero{};
        QVERIFY(std::memcmp(&ctx, &zero, sizeof(ctx)) == 0);
    }

    void watermarkHmac_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("mac");
        // Computed with: printf '%s' MESSAGE | openssl dgst -md5 -mac HMAC -macopt key:Qrzn.Westerlandia.1997
        QTest::newRow("empty") << QByteArray("") << QByteArray("dd204f8dc7def161890ee26dd2d9df0c");
        QTest::newRow("a") << QByteArray("a") << QByteArray("05d85a06c7378bf8b599dda370ecc0bb");
        QTest::newRow("abc") << QByteArray("abc") << QByteArray("547eaba03b2a469b2a9c1b71fca214e3");
        QTest::newRow("message digest") << QByteArray("message digest")
                                        << QByteArray("558b8a79b67b3d524a0fa90da610c672");
        QTest::newRow("fox") << QByteArray("The quick brown fox jumps over the lazy dog")
                             << QByteArray("2c72b7908be5469caafddb550ddd6d01");
        QTest::newRow("100 bytes, longer than a block")
            << QByteArray(100, 'x') << QByteArray("ddb5e75cd75a813627ed5eb017937ca3");
        // The digest of an empty body: HMAC of the MD5 of the empty message.
        QTest::newRow("md5 of empty") << QByteArray::fromHex("d41d8cd98f00b204e9800998ecf8427e")
                                      << QByteArray("bf4d38857360f35121438db9e0e7469a");
    }

    void watermarkHmac()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, mac);
        const auto* bytes = reinterpret_cast<const unsigned char*>(message.constData());
        const auto length = static_cast<std::uint32_t>(message.size());
        unsigned char out[16];
        WatermarkHmac(bytes, length, out);
        QCOMPARE(Hex(out, 16), mac);

        const unsigned char key[22] = {'Q', 'r', 'z', 'n', '.', 'W', 'e', 's', 't', 'e', 'r',
                                       'l', 'a', 'n', 'd', 'i', 'a', '.', '1', '9', '9', '7'};
        unsigned char direct[16];
        HmacMd5(bytes, length, key, direct);
        QCOMPARE(Hex(direct, 16), mac);
        QVERIFY(Hex(out, 16) != Md5Of(message));
    }

    void hmacOtherKey()
    {
        // RFC 2104 with another 22-byte key, against Qt's HMAC implementation.
        const QByteArray key("0123456789abcdefghijkl");
        const QByteArray message("what do ya want for nothing?");
        unsigned char mac[16];
        HmacMd5(reinterpret_cast<const unsigned char*>(message.constData()), static_cast<std::uint32_t>(message.size()),
                reinterpret_cast<const unsigned char*>(key.constData()), mac);
        QCOMPARE(Hex(mac, 16), QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Md5).toHex());
    }
};

ARDENTIX_REGISTER_TEST(TestMd5)
#include "tst_md5.moc"
