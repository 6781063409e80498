// Each file's picture, made by the helper after the file was verified: what
// the details dialog shows and a screen reader hears, for genuine and failed
// files, files whose signed bytes hold no picture, a file changed after its
// verdict, and a helper that misbehaves.
#include "DetailsDialog.h"
#include "PathText.h"
#include "PreviewPicture.h"
#include "UiFixtures.h"

#include <QLabel>

class TestPreviews : public QObject
{
    Q_OBJECT

private slots:
    // Each file's picture, made by the helper after the file was verified:
    // the details dialog shows it framed, and says what it is. A file that
    // cannot be decoded, and a helper that crashes, hangs or talks nonsense,
    // give no picture, whatever the verdict, and the next file still gets
    // its own.
    void previews_data()
    {
        using namespace testsupport;
        QTest::addColumn<bool>("faulty"); // the helper built to misbehave
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");        // empty: no picture
        QTest::addColumn<qint64>("frameMs");    // -1: a still picture
        QTest::addColumn<QString>("reference"); // what it looks like, loosely
        QTest::addColumn<QString>("heard");
        const auto exported = [](const std::string& media, MediaType type) {
            return QByteArray::fromStdString(MakeExport(media, type));
        };
        const QString data = QStringLiteral(ARDENTIX_SOURCE_DIR "/tests/data/");
        const QByteArray avi = exported(SampleMedia(MediaType::Avi), MediaType::Avi);
        QTest::newRow("genuine jpg") << false << "gate.jpg" << exported(SampleMedia(MediaType::Jpg), MediaType::Jpg)
                                     << QSize(320, 240) << qint64(-1) << data + "sample.jpg"
                                     << "Picture of gate.jpg; authentication succeeded";
        // A watermark block whose bytes a strict decoder takes for a
        // broken marker (those of the sample exports' picture).
        WatermarkFields marker;
        marker.startTime = marker.endTime = "2012-05-14 09:30:00";
        marker.serial = "VH-0042-1138";
        QTest::newRow("genuine jpg, block read as a marker")
            << false << "gate.jpg"
            << QByteArray::fromStdString(MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg, marker))
            << QSize(320, 240) << qint64(-1) << data + "sample.jpg"
            << "Picture of gate.jpg; authentication succeeded";
        // Markup, a mark that reverses text and letters of no one code page
        // in the name: heard as the table shows the name. Windows allows no
        // "<" in a name: there the markup is an entity.
#ifdef Q_OS_WIN
        const QString markup = QStringLiteral("&lt;b&gt;");
#else
        const QString markup = QStringLiteral("<b>");
#endif
        QTest::newRow("name with markup")
            << false << markup + QString::fromUtf8("\u76e3\u8996 \u043e\u0442\u0447\u0451\u0442\u200f.jpg")
            << exported(SampleMedia(MediaType::Jpg), MediaType::Jpg) << QSize(320, 240) << qint64(-1)
            << data + "sample.jpg"
            << "Picture of " + markup +
                   QString::fromUtf8("\u76e3\u8996 \u043e\u0442\u0447\u0451\u0442\\xE2\\x80\\x8F.jpg; "
                                     "authentication succeeded");
        QTest::newRow("genuine avi") << false << "gate.avi" << avi << QSize(160, 120) << qint64(0)
                                     << data + "sample-frame.png"
                                     << "Picture of gate.avi, frame at 00:00:00; authentication succeeded";
        // An authentic recording shows only a key frame in its signed bytes:
        // none where its signature covers none of its frames, whatever its
        // unsigned prefix holds; the first past the prefix otherwise.
        QTest::newRow("genuine mp4, frames unsigned")
            << false << "gate.mp4" << exported(SampleMedia(MediaType::Mp4), MediaType::Mp4) << QSize(0, 0) << qint64(-1)
            << QString() << "No picture from the signed bytes of gate.mp4; authentication succeeded";
        const std::string padded =
            MakeExport(PaddedMedia(MediaType::Mp4, SkipFor(MediaType::Mp4) + 4096), MediaType::Mp4);
        QTest::newRow("genuine mp4, another picture in its prefix")
            << false << "gate.mp4"
            << QByteArray::fromStdString(PlantPrefix(padded, ReadFile((data + "keyframes.mp4").toStdString())))
            << QSize(0, 0) << qint64(-1) << QString()
            << "No picture from the signed bytes of gate.mp4; authentication succeeded";
        QTest::newRow("genuine mp4, key frames past the prefix")
            << false << "gate.mp4" << exported(KeyFramesPastPrefix(), MediaType::Mp4) << QSize(160, 120) << qint64(500)
            << QString() << "Picture of gate.mp4, frame at 00:00:00; authentication succeeded";
        QTest::newRow("tampered avi") << false << "gate.avi"
                                      << QByteArray(Flip(avi.toStdString(), 40000).c_str(), avi.size())
                                      << QSize(160, 120) << qint64(0) << QString()
                                      << "Picture of gate.avi, frame at 00:00:00; authentication failed";
        // The first key frame is black: the next key frame, from any bytes
        // of a file that failed.
        QTest::newRow("black first frame")
            << false << "night.mp4" << QByteArray::fromStdString(ReadFile((data + "black-start.mp4").toStdString()))
            << QSize(160, 120) << qint64(300) << QString()
            << "Picture of night.mp4, frame at 00:00:00; authentication failed";
        QTest::newRow("genuine, not decodable")
            << false << "noise.avi" << exported(std::string(20000, '\x5a'), MediaType::Avi) << QSize(0, 0) << qint64(-1)
            << QString() << "No preview for noise.avi; authentication succeeded";
        QTest::newRow("no watermark, not decodable")
            << false << "noise.jpg" << QByteArray(3000, 'x') << QSize(0, 0) << qint64(-1) << QString()
            << "No preview for noise.jpg; authentication failed";
        // Replaced in place once its picture was asked for.
        QTest::newRow("changed after its verdict")
            << false << "changed.avi" << avi << QSize(0, 0) << qint64(-1) << QString()
            << "No preview for changed.avi: the file changed after it was verified; authentication succeeded";
        // The helper misbehaves for a file that carries a marker. A crash is
        // seen at once (the time limit is a minute); a helper that spins is
        // ended by its own processor-time budget, one that sleeps by the
        // window's limit.
        for (const char* fault : {"crash-helper", "hang-helper", "spin-helper", "garble-helper"})
            QTest::newRow(fault) << true << QString(fault) + ".avi"
                                 << exported(SampleMedia(MediaType::Avi) + fault, MediaType::Avi) << QSize(0, 0)
                                 << qint64(-1) << QString()
                                 << "No preview for " + QString(fault) + ".avi; authentication succeeded";
        // A helper that answers one file twice, the second time with another
        // picture: whichever it gave the file, that picture is never the next
        // file's (an invalid size: the file's own picture is not checked).
        QTest::newRow("twice-helper") << true << "twice-helper.avi"
                                      << exported(SampleMedia(MediaType::Avi) + "twice-helper", MediaType::Avi)
                                      << QSize() << qint64(-1) << QString() << QString();
    }

    void previews()
    {
        QFETCH(bool, faulty);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(qint64, frameMs);
        QFETCH(QString, reference);
        QFETCH(QString, heard);
        QTemporaryDir dir;
        QVERIFY(testsupport::WriteFileAt(dir.filePath(name), bytes.toStdString()));
        QVERIFY(
            testsupport::WriteFileAt(dir.filePath("next.jpg"), testsupport::SampleMedia(testsupport::MediaType::Jpg)));
        MainWindow w;
        w.Previews()->SetHelper(faulty ? ARDENTIX_PREVIEW_FAULTY : ARDENTIX_PREVIEW_HELPER);
        w.Previews()->SetTimeLimit(name.startsWith("hang") ? 3000 : 60000);
        w.Previews()->SetCpuLimit(1000);
        // One helper, which takes the next file after this one.
        w.Previews()->SetHelperCount(1);
        w.OpenPaths({PathText::ToNative(dir.filePath(name)), PathText::ToNative(dir.filePath("next.jpg"))});
        if (name.startsWith("changed")) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::Append) && file.write("x") == 1);
        }
        QCOMPARE(w.ResultModel()->rowCount(), 2);
        // The dialog, opened while the picture may still be made, shows it
        // when it comes (within the time limit for a helper that hangs).
        const int row = w.ResultModel()->Record(0).result.path.endsWith(PathText::ToNative(name).constData()) ? 0 : 1;
        View(w)->setCurrentIndex(Proxy(w)->mapFromSource(w.ResultModel()->index(row, 0)));
        QString said;
        QPixmap shown;
        OnNextModal<DetailsDialog>([&said, &shown, &heard](DetailsDialog* dialog) {
            // Waited for here, compared below: the dialog closes either way.
            (void)QTest::qWaitFor([dialog, &heard] { return dialog->Picture()->accessibleName() == heard; }, 10000);
            said = dialog->Picture()->accessibleName();
            shown = dialog->Picture()->pixmap();
            dialog->reject();
        });
        QTest::keyClick(View(w), Qt::Key_Return);
        QVERIFY(!shown.isNull() && shown.width() > 320);
        QTRY_COMPARE_WITH_TIMEOUT(w.ResultModel()->PreviewsWaiting(), 0, 10000);
        // The window went on: the next file has its own picture.
        const RowPreview& next = w.ResultModel()->Record(1 - row).preview;
        QCOMPARE(next.state, RowPreview::State::Made);
        QCOMPARE(PreviewPicture::Image(next).size(), QSize(320, 240));
        if (!size.isValid())
            return;
        QCOMPARE(said, heard);
        const RowPreview& preview = w.ResultModel()->Record(row).preview;
        const QImage image = PreviewPicture::Image(preview);
        QCOMPARE(image.size(), size);
        QCOMPARE(preview.state == RowPreview::State::Made, !size.isEmpty());
        QCOMPARE(preview.frame, frameMs >= 0);
        QCOMPARE(preview.frameMs, frameMs);
        if (!reference.isEmpty()) {
            const QImage expected = QImage(reference).scaled(size).convertToFormat(QImage::Format_RGB888);
            const QImage got = image.convertToFormat(QImage::Format_RGB888);
            qint64 difference = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width() * 3; ++x)
                    difference += qAbs(got.constScanLine(y)[x] - expected.constScanLine(y)[x]);
            QVERIFY2(difference < qint64(size.width()) * size.height() * 3 * 12,
                     qPrintable(QString::number(difference)));
        }
    }
};

ARDENTIX_REGISTER_TEST(TestPreviews)
#include "tst_previews.moc"
