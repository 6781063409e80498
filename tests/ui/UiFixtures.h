// What the window's tests share: the settings store, a sample case folder,
// results as the engine gives them, and the answers to modal boxes.
#ifndef ARDENTIX_TESTS_UI_UIFIXTURES_H
#define ARDENTIX_TESTS_UI_UIFIXTURES_H

#include "CoreFixtures.h"

#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

inline QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane Inc."),
                     QStringLiteral("Quorvane Ardentix"));
}

// Closes the next modal box as soon as it is shown, keeping its text.
inline void CloseNextModal(QString* text = nullptr)
{
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (text != nullptr)
                *text = box->text();
            box->accept();
        }
    });
}

// The texts as the window shows them in the system's language.
inline QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// The changed export's name holds a comma and quotes for the CSV quoting;
// single quotes on Windows, whose names hold no double quotes.
#ifdef Q_OS_WIN
#define TAMPERED "c, 'tampered'.avi"
#else
#define TAMPERED "c, \"tampered\".avi"
#endif

// A folder of four exports: the third changed after export, the fourth an
// MP4 whose watermark covers none of its bytes.
struct SampleFolder
{
    QTemporaryDir dir;
    SampleFolder()
    {
        using namespace testsupport;
        WriteFileAt(dir.filePath("cases/a.jpg"), MakeExport(SampleMedia(MediaType::Jpg), MediaType::Jpg));
        // A serial number that a spreadsheet would run as a formula.
        WatermarkFields formula;
        formula.serial = "=1+2";
        WriteFileAt(dir.filePath("cases/b.avi"), MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi, formula));
        WriteFileAt(dir.filePath("cases/" TAMPERED),
                    Flip(MakeExport(SampleMedia(MediaType::Avi), MediaType::Avi), 4000));
        WriteFileAt(dir.filePath("cases/d.mp4"), MakeExport(SampleMedia(MediaType::Mp4), MediaType::Mp4));
    }
};

// A result as the engine gives it, its serial number holding a control
// character where the watermark was read.
inline FileResult Result(const QByteArray& path, ardentix::engine::AuthResult reason, qint64 size, bool read,
                         char sha = 0)
{
    FileResult result = testsupport::Result(path, reason, size, read, sha);
    if (read)
        result.record.VHSerial = "VH-\x01"
                                 "42";
    return result;
}

Q_DECLARE_METATYPE(FileResult)

#endif
