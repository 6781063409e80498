// The keyed digest covers exactly the protected bytes of each type.
#include "FileDigest.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QTemporaryDir>

using namespace testsupport;

Q_DECLARE_METATYPE(testsupport::MediaType)

namespace {

QByteArray DigestOf(const QString& path, MediaType type)
{
    unsigned char digest[16];
    const QByteArray name = QFile::encodeName(path);
    int ret = -1;
    switch (type) {
    case MediaType::Jpg:
        ret = JpgDigest(name.constData(), digest);
        break;
    case MediaType::Avi:
        ret = AviDigest(name.constData(), digest);
        break;
    case MediaType::Mp4:
        ret = Mp4Digest(name.constData(), digest);
        break;
    }
    if (ret != 0)
        return QByteArray("failed");
    return QByteArray(reinterpret_cast<const char*>(digest), 16).toHex();
}

std::string Media(std::size_t length)
{
    std::string media(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        media[i] = static_cast<char>((i * 131 + 17) & 0xff);
    return media;
}

} // namespace

class TestFileDigest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString Write(const QString& name, const std::string& bytes)
    {
        const QString path = dir.filePath(name);
        if (!WriteFile(QFile::encodeName(path).toStdString(), bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void matchesIndependentDigest_data()
    {
        QTest::addColumn<MediaType>("type");
        QTest::addColumn<qint64>("mediaLength");
        // Body lengths on and around the 1024-byte chunk boundary, empty
        // bodies, and bodies shorter than the prefix.
        QTest::newRow("jpg 2 bytes") << MediaType::Jpg << qint64(2);
        QTest::newRow("jpg 1026 bytes") << MediaType::Jpg << qint64(1026);
        QTest::newRow("jpg 1027 bytes") << MediaType::Jpg << qint64(1027);
        QTest::newRow("jpg 5000 bytes") << MediaType::Jpg << qint64(5000);
        QTest::newRow("avi 100 bytes, shorter than the prefix") << MediaType::Avi << qint64(100);
        QTest::newRow("avi 240 bytes, empty body") << MediaType::Avi << qint64(240);
        QTest::newRow("avi body 1024") << MediaType::Avi << qint64(240 + 1024);
        QTest::newRow("avi body 2048") << MediaType::Avi << qint64(240 + 2048);
        QTest::newRow("avi body 1500") << MediaType::Avi << qint64(240 + 1500);
        QTest::newRow("avi body 1") << MediaType::Avi << qint64(241);
        QTest::newRow("mp4 1000 bytes, no body") << MediaType::Mp4 << qint64(1000);
        QTest::newRow("mp4 exactly the prefix") << MediaType::Mp4 << qint64(3145764);
        QTest::newRow("mp4 prefix plus 3000") << MediaType::Mp4 << qint64(3145764 + 3000);
    }

    void matchesIndependentDigest()
    {
        QFETCH(MediaType, type);
        QFETCH(qint64, mediaLength);
        const std::string media = Media(static_cast<std::size_t>(mediaLength));
        const QString path = Write(QStringLiteral("d.") + SuffixFor(type), MakeExport(media, type));
        QCOMPARE(DigestOf(path, type), QByteArray::fromStdString(DigestHexOfMedia(media, type)));
    }

    void emptyBodyIsHmacOfEmptyMd5()
    {
        const QString path = Write("short.mp4", MakeExport(Media(3145764), MediaType::Mp4));
        QCOMPARE(QFileInfo(path).size(), qint64(3146276));
        QCOMPARE(DigestOf(path, MediaType::Mp4), QByteArray("bf4d38857360f35121438db9e0e7469a"));
    }

    void protectedBytes_data()
    {
        QTest::addColumn<MediaType>("type");
        QTest::addColumn<qint64>("offset"); // negative: from the end of the export
        QTest::addColumn<bool>("changes");

        QTest::newRow("jpg first byte") << MediaType::Jpg << qint64(0) << true;
        QTest::newRow("jpg last body byte") << MediaType::Jpg << qint64(-515) << true;
        QTest::newRow("jpg block first byte") << MediaType::Jpg << qint64(-514) << false;
        QTest::newRow("jpg block last byte") << MediaType::Jpg << qint64(-3) << false;
        QTest::newRow("jpg second-to-last byte") << MediaType::Jpg << qint64(-2) << true;
        QTest::newRow("jpg last byte") << MediaType::Jpg << qint64(-1) << true;

        QTest::newRow("avi first byte") << MediaType::Avi << qint64(0) << false;
        QTest::newRow("avi byte 239") << MediaType::Avi << qint64(239) << false;
        QTest::newRow("avi byte 240") << MediaType::Avi << qint64(240) << true;
        QTest::newRow("avi last body byte") << MediaType::Avi << qint64(-513) << true;
        QTest::newRow("avi block first byte") << MediaType::Avi << qint64(-512) << false;
        QTest::newRow("avi block second half") << MediaType::Avi << qint64(-100) << false;
        QTest::newRow("avi last byte") << MediaType::Avi << qint64(-1) << false;

        QTest::newRow("mp4 byte 0") << MediaType::Mp4 << qint64(0) << false;
        QTest::newRow("mp4 byte 3145763") << MediaType::Mp4 << qint64(3145763) << false;
        QTest::newRow("mp4 byte 3145764") << MediaType::Mp4 << qint64(3145764) << true;
        QTest::newRow("mp4 last body byte") << MediaType::Mp4 << qint64(-513) << true;
        QTest::newRow("mp4 block") << MediaType::Mp4 << qint64(-300) << false;
    }

    void protectedBytes()
    {
        QFETCH(MediaType, type);
        QFETCH(qint64, offset);
        QFETCH(bool, changes);
        const std::size_t length = type == MediaType::Mp4 ? 3145764 + 5000 : 5000;
        std::string bytes = MakeExport(Media(length), type);
        const QString original = Write(QStringLiteral("orig.") + SuffixFor(type), bytes);
        const std::size_t at = offset >= 0 ? std::size_t(offset) : bytes.size() - std::size_t(-offset);
        bytes[at] = static_cast<char>(bytes[at] ^ 0x40);
        const QString changed = Write(QStringLiteral("changed.") + SuffixFor(type), bytes);
        QCOMPARE(DigestOf(changed, type) != DigestOf(original, type), changes);
    }

    void unopenablePathLeavesDigest()
    {
        unsigned char digest[16];
        std::memset(digest, 0xAB, sizeof(digest));
        QCOMPARE(AviDigest(QFile::encodeName(dir.filePath("missing.avi")).constData(), digest), -1);
        QCOMPARE(AviDigest(QFile::encodeName(dir.path()).constData(), digest), -1);
        for (unsigned char byte : digest)
            QCOMPARE(byte, static_cast<unsigned char>(0xAB));
        QCOMPARE(FileSize(QFile::encodeName(dir.filePath("missing.avi")).constData()), qint64(-1));
    }
};

ARDENTIX_REGISTER_TEST(TestFileDigest)
#include "tst_filedigest.moc"
