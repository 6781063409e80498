// Reading the watermark text into the record.
#include "TestRegistry.h"
#include "WatermarkRecord.h"

using namespace ardentix::engine;

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

class TestWatermarkRecord : public QObject
{
    Q_OBJECT

private slots:
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

ARDENTIX_REGISTER_TEST(TestWatermarkRecord)
#include "tst_watermarkrecord.moc"
