// Reading the watermark text into the record.
#include "TestRegistry.h"
#include "WatermarkRecord.h"

namespace {

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

const QStringList kCanonicalFields = {"Quorvane Digital Watermark",
                                      "2.1",
                                      "0123456789abcdef0123456789abcdef",
                                      "2012-05-14 09:30:00",
                                      "2012-05-14 09:35:00",
                                      "NTP",
                                      "VH-0042",
                                      "00:1A:2B:3C:4D:5E"};

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

} // namespace

Q_DECLARE_METATYPE(std::string)

class TestWatermarkRecord : public QObject
{
    Q_OBJECT

private slots:
    void fill_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("canonical") << kCanonical << kCanonicalFields;
        QTest::newRow("empty text") << std::string() << QStringList(8, QString());
        QTest::newRow("keys only, empty first line")
            << std::string("\r\nVersion: \r\nHMAC: \r\nStartTime: \r\nEndTime: \r\nTimeSource: \r\nVHSerial: \r\n"
                           "CamMAC: \r\n")
            << QStringList(8, QString());

        std::string lf = kCanonical;
        for (std::string::size_type at; (at = lf.find("\r\n")) != std::string::npos;)
            lf.replace(at, 2, "\n");
        QTest::newRow("LF line ends") << lf << QStringList(8, QString());

        QTest::newRow("other order")
            << std::string("Quorvane Digital Watermark\r\nCamMAC: 00:1A:2B:3C:4D:5E\r\nVHSerial: VH-0042\r\n"
                           "TimeSource: NTP\r\nEndTime: 2012-05-14 09:35:00\r\nStartTime: 2012-05-14 09:30:00\r\n"
                           "HMAC: 0123456789abcdef0123456789abcdef\r\nVersion: 2.1\r\n")
            << kCanonicalFields;

        QStringList noSpace = kCanonicalFields;
        noSpace[1] = QString();
        QTest::newRow("no space after the colon") << Replace(kCanonical, "Version: 2.1", "Version:2.1") << noSpace;

        QStringList lower = kCanonicalFields;
        lower[2] = QString();
        QTest::newRow("key in lower case") << Replace(kCanonical, "HMAC: ", "hmac: ") << lower;

        QStringList lastOpen = kCanonicalFields;
        lastOpen[7] = QString();
        QTest::newRow("last line without CR LF") << kCanonical.substr(0, kCanonical.size() - 2) << lastOpen;

        QStringList duplicate = kCanonicalFields;
        QTest::newRow("duplicate key: first wins") << kCanonical + "VHSerial: other\r\n" << duplicate;

        QStringList inside = kCanonicalFields;
        inside[1] = "2.1 HMAC: ffff extra";
        inside[2] = "ffff extra";
        QTest::newRow("key inside an earlier value")
            << Replace(kCanonical, "Version: 2.1", "Version: 2.1 HMAC: ffff extra") << inside;

        QStringList spaces = kCanonicalFields;
        spaces[6] = "  VH-0042 \n\r";
        QTest::newRow("value keeps spaces and lone CR or LF")
            << Replace(kCanonical, "VHSerial: VH-0042", "VHSerial:   VH-0042 \n\r") << spaces;

        QStringList trailing = kCanonicalFields;
        trailing[0] = "Quorvane Digital Watermark ";
        QTest::newRow("marker with trailing space")
            << Replace(kCanonical, "Quorvane Digital Watermark", "Quorvane Digital Watermark ") << trailing;
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

    void extractField_data()
    {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("key");
        QTest::addColumn<std::string>("value");
        QTest::newRow("empty key reads the first line")
            << std::string("abc\r\ndef\r\n") << std::string() << std::string("abc");
        QTest::newRow("no CR LF after the key")
            << std::string("Version: 1") << std::string("Version: ") << std::string();
        QTest::newRow("CR LF right after the key")
            << std::string("Version: \r\n") << std::string("Version: ") << std::string();
        QTest::newRow("key missing") << std::string("x\r\n") << std::string("HMAC: ") << std::string();
        QTest::newRow("key in the middle of a line")
            << std::string("xxHMAC: ab\r\n") << std::string("HMAC: ") << std::string("ab");
    }

    void extractField()
    {
        QFETCH(std::string, text);
        QFETCH(std::string, key);
        QFETCH(std::string, value);
        QCOMPARE(ExtractField(text, key), value);
    }
};

ARDENTIX_REGISTER_TEST(TestWatermarkRecord)
#include "tst_watermarkrecord.moc"
