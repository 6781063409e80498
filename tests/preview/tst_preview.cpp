// What the preview helper decides: which bytes may make an authentic file's
// picture, which key frame is shown and how it is turned, what its answers
// say, and what its decoders refuse to follow. Its walls are tried by the
// test build, which attempts every forbidden call.
#include "Decoders.h"
#include "PreviewProtocol.h"
#include "TestRegistry.h"
#include "WatermarkWriter.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#ifdef ARDENTIX_HAVE_LISTENER
#include <QTcpServer>
#endif

using ardentix::engine::FileType;
using ardentix::engine::InputFile;
using ardentix::engine::LayoutOf;
using PreviewProtocol::Kind;
using namespace testsupport;

Q_DECLARE_METATYPE(FileType)
Q_DECLARE_METATYPE(PreviewProtocol::Kind)
Q_DECLARE_METATYPE(PreviewProtocol::ReadState)

namespace {

const qint64 kSkip = 3145764;

std::string Data(const char* name)
{
    return ReadFile(std::string(ARDENTIX_SOURCE_DIR) + "/tests/data/" + name);
}

// An MP4's track header turned by a quarter (its display matrix).
std::string Turned(std::string mp4)
{
    const std::size_t tkhd = mp4.find("tkhd");
    if (tkhd == std::string::npos)
        return mp4;
    // Version 0: flags, two times, track, reserved, duration, reserved,
    // layer, group, volume, reserved; then the matrix.
    const std::size_t matrix = tkhd + 4 + 4 + 4 + 4 + 4 + 4 + 4 + 8 + 2 + 2 + 2 + 2;
    const qint32 values[9] = {0, 0x10000, 0, -0x10000, 0, 0, 0, 0, 0x40000000};
    for (std::size_t i = 0; i < 9; ++i)
        qToBigEndian(values[i], mp4.data() + matrix + 4 * i);
    return mp4;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // The helper's decoding of bytes, as a file it was handed.
    PreviewProtocol::Frame Decode(const std::string& bytes, FileType type, bool signedOnly)
    {
        const QString path = dir.filePath(QStringLiteral("file"));
        if (!WriteFile(path.toStdString(), bytes))
            return {};
        InputFile file;
        if (!file.Open(QFile::encodeName(path).constData()))
            return {};
        PreviewProtocol::Ask ask;
        ask.type = type;
        ask.signedOnly = signedOnly;
        return Decoders::Preview(file, ask);
    }

private slots:
    // A JPG's picture comes from all its bytes but the watermark block:
    // exactly 512 bytes go, and the two after the block stay.
    void signedBytes()
    {
        QByteArray bytes;
        for (int i = 0; i < 3000; ++i)
            bytes.append(static_cast<char>(i * 7));
        const QByteArray kept = Decoders::SignedBytes(bytes, LayoutOf(FileType::Jpg));
        QCOMPARE(kept.size(), bytes.size() - 512);
        QCOMPARE(kept, bytes.left(3000 - 514) + bytes.right(2));
        QCOMPARE(Decoders::SignedBytes(bytes, LayoutOf(FileType::Avi)), bytes.mid(240, 3000 - 240 - 512));
        QCOMPARE(Decoders::SignedBytes(bytes, LayoutOf(FileType::Mp4)), QByteArray());
    }

    void withinSigned_data()
    {
        QTest::addColumn<FileType>("type");
        QTest::addColumn<qint64>("begin");
        QTest::addColumn<qint64>("end");
        QTest::addColumn<bool>("within");
        const qint64 size = kSkip + 10000;
        QTest::newRow("MP4, in the prefix") << FileType::Mp4 << qint64(100) << qint64(200) << false;
        QTest::newRow("MP4, across the prefix's end") << FileType::Mp4 << kSkip - 1 << kSkip + 100 << false;
        QTest::newRow("MP4, just after the prefix") << FileType::Mp4 << kSkip << kSkip + 100 << true;
        QTest::newRow("MP4, up to the block") << FileType::Mp4 << kSkip << size - 512 << true;
        QTest::newRow("MP4, into the block") << FileType::Mp4 << kSkip << size - 511 << false;
        QTest::newRow("AVI, its header") << FileType::Avi << qint64(200) << qint64(300) << false;
        QTest::newRow("AVI, after its header") << FileType::Avi << qint64(240) << qint64(300) << true;
        QTest::newRow("JPG, across the block") << FileType::Jpg << size - 600 << size - 1 << false;
        QTest::newRow("JPG, its tail") << FileType::Jpg << size - 2 << size << true;
        QTest::newRow("nothing") << FileType::Avi << qint64(300) << qint64(300) << false;
    }

    void withinSigned()
    {
        QFETCH(FileType, type);
        QFETCH(qint64, begin);
        QFETCH(qint64, end);
        QFETCH(bool, within);
        QCOMPARE(Decoders::WithinSigned(begin, end, kSkip + 10000, LayoutOf(type)), within);
    }

    // The picture shown: for an authentic file only a key frame whose bytes
    // are signed; otherwise the first key frame that is not black.
    void frames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<FileType>("type");
        QTest::addColumn<bool>("signedOnly");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qint64>("frameMs");
        QTest::addColumn<QRgb>("colour"); // of the picture's centre, roughly; 0 for any
        const auto bytes = [](const std::string& s) { return QByteArray::fromStdString(s); };
        const std::string mp4 = PaddedMedia(MediaType::Mp4, kSkip + std::int64_t(256) * 1024);
        const std::string genuine = MakeExport(mp4, MediaType::Mp4);
        const std::string red = MakeExport(Data("keyframes.mp4"), MediaType::Mp4);
        QTest::newRow("JPG, signed") << bytes(MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg)) << FileType::Jpg
                                     << true << Kind::Picture << QSize(320, 240) << qint64(-1) << QRgb(0);
        QTest::newRow("AVI, signed") << bytes(MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi)) << FileType::Avi
                                     << true << Kind::Frame << QSize(160, 120) << qint64(0) << QRgb(0);
        QTest::newRow("MP4, all frames in the prefix")
            << bytes(genuine) << FileType::Mp4 << true << Kind::Unsigned << QSize(0, 0) << qint64(-1) << QRgb(0);
        QTest::newRow("MP4, all frames in the prefix, failed")
            << bytes(genuine) << FileType::Mp4 << false << Kind::Frame << QSize(160, 120) << qint64(0) << QRgb(0);
        QTest::newRow("MP4, another picture planted in the prefix")
            << bytes(PlantPrefix(genuine, Data("keyframes.mp4"))) << FileType::Mp4 << true << Kind::Unsigned
            << QSize(0, 0) << qint64(-1) << QRgb(0);
        QTest::newRow("MP4, planted picture when failed")
            << bytes(PlantPrefix(genuine, Data("keyframes.mp4"))) << FileType::Mp4 << false << Kind::Frame
            << QSize(160, 120) << qint64(0) << qRgb(255, 0, 0);
        QTest::newRow("MP4, key frames past the prefix")
            << bytes(MakeExport(KeyFramesPastPrefix(), MediaType::Mp4)) << FileType::Mp4 << true << Kind::Frame
            << QSize(160, 120) << qint64(500) << QRgb(0);
        QTest::newRow("MP4, red first key frame, failed")
            << bytes(red) << FileType::Mp4 << false << Kind::Frame << QSize(160, 120) << qint64(0) << qRgb(255, 0, 0);
        // Black for 0.3 s: the next key frame, at 0.3 s, never a frame
        // between key frames.
        QTest::newRow("black first key frame") << bytes(Data("black-start.mp4")) << FileType::Mp4 << false
                                               << Kind::Frame << QSize(160, 120) << qint64(300) << QRgb(0);
        QTest::newRow("turned a quarter") << bytes(Turned(Data("keyframes.mp4"))) << FileType::Mp4 << false
                                          << Kind::Frame << QSize(120, 160) << qint64(0) << qRgb(255, 0, 0);
        QTest::newRow("AVI read as MP4") << bytes(SampleMedia(MediaType::Avi)) << FileType::Mp4 << false << Kind::None
                                         << QSize(0, 0) << qint64(-1) << QRgb(0);
    }

    void frames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(FileType, type);
        QFETCH(bool, signedOnly);
        QFETCH(Kind, kind);
        QFETCH(QSize, size);
        QFETCH(qint64, frameMs);
        QFETCH(QRgb, colour);
        const PreviewProtocol::Frame frame = Decode(bytes.toStdString(), type, signedOnly);
        QCOMPARE(frame.kind, kind);
        QCOMPARE(QSize(frame.width, frame.height), size);
        QCOMPARE(frame.frameMs, frameMs);
        if (colour != 0) {
            const QImage image(reinterpret_cast<const uchar*>(frame.rgb.constData()), frame.width, frame.height,
                               qsizetype(frame.width) * 3, QImage::Format_RGB888);
            const QColor centre = image.pixelColor(frame.width / 2, frame.height / 2);
            QVERIFY2(qAbs(centre.red() - qRed(colour)) < 48 && qAbs(centre.green() - qGreen(colour)) < 48 &&
                         qAbs(centre.blue() - qBlue(colour)) < 48,
                     qPrintable(centre.name()));
        }
    }

    // No memory for the fitted picture: no picture, never a crash.
    void nullImage()
    {
        QCOMPARE(Decoders::FromImage(QImage(), Kind::Picture, -1).kind, Kind::None);
        const PreviewProtocol::Frame fitted =
            Decoders::FromImage(QImage(1000, 500, QImage::Format_RGB32), Kind::Frame, 40);
        QCOMPARE(QSize(fitted.width, fitted.height), QSize(320, 160));
        QCOMPARE(fitted.rgb.size(), 320 * 160 * 3);
    }

    // Texts named as exports that a probing reader would follow to the
    // network or to other files: none is followed, whatever its name.
    void hostileTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FileType>("type");
        QTest::newRow("DASH manifest as .mp4")
            << "<?xml version=\"1.0\"?>\n<MPD xmlns=\"urn:mpeg:dash:schema:mpd:2011\" type=\"static\" "
               "mediaPresentationDuration=\"PT2S\"><Period><AdaptationSet mimeType=\"video/mp4\"><Representation "
               "id=\"1\" bandwidth=\"1000\"><BaseURL>http://127.0.0.1:%1/clip.mp4</BaseURL></Representation>"
               "</AdaptationSet></Period></MPD>\n"
            << FileType::Mp4;
        QTest::newRow("HLS playlist as .avi")
            << "#EXTM3U\n#EXT-X-TARGETDURATION:2\n#EXTINF:2,\nhttp://127.0.0.1:%1/clip.ts\n#EXT-X-ENDLIST\n"
            << FileType::Avi;
        QTest::newRow("SDP description as .mp4")
            << "v=0\no=- 0 0 IN IP4 127.0.0.1\ns=x\nc=IN IP4 127.0.0.1\nt=0 0\nm=video %1 RTP/AVP 96\n"
               "a=rtpmap:96 H264/90000\n"
            << FileType::Mp4;
        QTest::newRow("ffconcat script as .avi")
            << "ffconcat version 1.0\nfile 'inner.avi'\nfile 'http://127.0.0.1:%1/clip.avi'\n"
            << FileType::Avi;
    }

    void hostileTexts()
    {
        QFETCH(QString, text);
        QFETCH(FileType, type);
#ifdef ARDENTIX_HAVE_LISTENER
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        const quint16 port = listener.serverPort();
#else
        const quint16 port = 9;
#endif
        // A real recording beside it, which the script names.
        QVERIFY(WriteFile(dir.filePath("inner.avi").toStdString(), SampleMedia(MediaType::Avi)));
        QDir::setCurrent(dir.path());
        const std::string bytes = text.arg(port).toStdString();
        for (const bool signedOnly : {false, true}) {
            const PreviewProtocol::Frame frame = Decode(bytes, type, signedOnly);
            QCOMPARE(frame.kind, Kind::None);
        }
#ifdef ARDENTIX_HAVE_LISTENER
        QVERIFY(!listener.waitForNewConnection(200));
#endif
    }

    // What an answer may say: each field is checked before a pixel is used.
    void answers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PreviewProtocol::ReadState>("state");
        PreviewProtocol::Frame picture;
        picture.kind = Kind::Picture;
        picture.width = 2;
        picture.height = 1;
        picture.rgb = QByteArray(6, '\x40');
        const QByteArray good = PreviewProtocol::Answer(picture);
        PreviewProtocol::Frame none;
        none.kind = Kind::Unsigned;
        QTest::newRow("a picture") << good << PreviewProtocol::ReadState::Complete;
        QTest::newRow("no picture from the signed bytes")
            << PreviewProtocol::Answer(none) << PreviewProtocol::ReadState::Complete;
        QTest::newRow("pixels still to come") << good.left(good.size() - 1) << PreviewProtocol::ReadState::NeedMore;
        QByteArray reserved = good;
        reserved[11] = '\x01';
        QTest::newRow("reserved bytes set") << reserved << PreviewProtocol::ReadState::Bad;
        QByteArray version = good;
        version[4] = '\x01';
        QTest::newRow("an older version") << version << PreviewProtocol::ReadState::Bad;
        QByteArray timed = good;
        timed[16] = '\x05';
        QTest::newRow("a still picture with a time") << timed << PreviewProtocol::ReadState::Bad;
        QByteArray unsignedWithSize = PreviewProtocol::Answer(none);
        unsignedWithSize[6] = '\x01';
        QTest::newRow("no picture, yet a size") << unsignedWithSize << PreviewProtocol::ReadState::Bad;
    }

    void answers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PreviewProtocol::ReadState, state);
        PreviewProtocol::Frame frame;
        qsizetype used = 0;
        QCOMPARE(PreviewProtocol::ReadAnswer(bytes, &frame, &used), state);
        if (state == PreviewProtocol::ReadState::Complete)
            QCOMPARE(used, bytes.size());
    }

    // Once its walls are up, the helper can open, create or stat no file,
    // make no socket, connect, bind or send, start no process and signal or
    // trace none, write only to its output, and map no executable memory.
    void sandbox()
    {
#ifdef Q_OS_WIN
        QSKIP("the Windows walls are tried under Wine by scripts/test-windows");
#endif
        QProcess probe;
        probe.start(ARDENTIX_PREVIEW_FAULTY, {QStringLiteral("--probe-sandbox")});
        QVERIFY(probe.waitForFinished(20000));
        const QString said = QString::fromUtf8(probe.readAllStandardOutput());
        QVERIFY2(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0, qPrintable(said));
        QVERIFY2(said.contains(QLatin1String("sandbox: installed\n")), qPrintable(said));
        for (const char* call : {"open", "openat", "create", "stat by path", "socket", "connect", "bind", "send",
                                 "fork", "execve", "kill", "ptrace", "write to a held file", "executable memory"})
            QVERIFY2(said.contains(QLatin1String(call) + QLatin1String(": refused\n")), call);
        QVERIFY(!said.contains(QLatin1String("ALLOWED")));
    }
};

ARDENTIX_REGISTER_TEST(TestPreview)
#include "tst_preview.moc"
