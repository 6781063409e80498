#include "VerifyThread.h"

#include "AuthenticateFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryFile>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The texts the row shows, looked up in the catalogues' single context.
QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

QString FromEngine(const std::string& field)
{
    // The text up to its first zero byte, as Latin-1.
    return QString::fromLatin1(field.c_str());
}

// Copies source into copy through one buffer. A read error ends the copy;
// the engine then judges the shorter copy.
void CopyInto(QFile& source, QFile& copy)
{
    std::unique_ptr<char[]> buffer(new char[VerifyThread::CopyBufferSize]);
    while (!source.atEnd()) {
        const qint64 got = source.read(buffer.get(), VerifyThread::CopyBufferSize);
        if (got <= 0)
            break;
        if (copy.write(buffer.get(), got) != got)
            break;
    }
}

} // namespace

VerifyThread::VerifyThread(const QFileInfo& file, QStandardItemModel* model, int* total, int* succeeded, int* failed,
                           bool* cancel)
    : QThread(nullptr), file(file), model(model), total(total), succeeded(succeeded), failed(failed), cancel(cancel)
{
}

VerifyThread::~VerifyThread() = default;

void VerifyThread::run()
{
    WatermarkRecord record;
    int result = -1;
    {
        // The engine works on a private copy, never on the user's file: a
        // new file with a unique name in the temporary folder, created
        // exclusively, hidden by its leading dot, and ending in the file's
        // complete suffix so that the engine sees the same type.
        // A temporary folder that does not exist gives an empty path; the
        // copy must not then land in the file system's root.
        const QString folder = QDir::tempPath();
        QTemporaryFile copy(folder + QStringLiteral("/.ardentix-XXXXXX.") + file.completeSuffix());
        QFile source(file.filePath());
        const bool sourceOpen = source.open(QIODevice::ReadOnly);
        const bool copyOpen = !folder.isEmpty() && copy.open();
#ifdef Q_OS_WIN
        if (copyOpen)
            SetFileAttributesW(reinterpret_cast<LPCWSTR>(copy.fileName().utf16()), FILE_ATTRIBUTE_HIDDEN);
#endif
        if (sourceOpen && copyOpen)
            CopyInto(source, copy);
        source.close();
        if (copyOpen) {
            const QString copyName = copy.fileName();
            copy.close();
            result = AuthenticateFile(record, QFile::encodeName(copyName).constData());
        }
        // The copy is removed here, whatever happened.
    }

    if (*cancel)
        return;

    const QString startTime = FromEngine(record.StartTime);
    const QString endTime = FromEngine(record.EndTime);
    const QString serial = FromEngine(record.VHSerial);
    if (QThread::currentThread() == model->thread()) {
        WriteRow(result, startTime, endTime, serial);
    } else {
        // The model belongs to the GUI thread; the row and the counters are
        // complete before the job ends.
        QMetaObject::invokeMethod(
            model, [=] { WriteRow(result, startTime, endTime, serial); }, Qt::BlockingQueuedConnection);
    }
}

void VerifyThread::WriteRow(int result, const QString& startTime, const QString& endTime, const QString& serial)
{
    ++*total;
    model->insertRows(0, 1, QModelIndex());
    model->setData(model->index(0, 0), file.fileName(), Qt::EditRole);
    if (result == 0) {
        model->setData(model->index(0, 1), Tr("Authentication succeeded"), Qt::EditRole);
        model->setData(model->index(0, 1), QColor(Qt::darkGreen), Qt::ForegroundRole);
        ++*succeeded;
    } else {
        model->setData(model->index(0, 1), Tr("Authentication failed"), Qt::EditRole);
        model->setData(model->index(0, 1), QColor(Qt::red), Qt::ForegroundRole);
        ++*failed;
    }
    model->setData(model->index(0, 2), startTime, Qt::EditRole);
    model->setData(model->index(0, 3), endTime, Qt::EditRole);
    model->setData(model->index(0, 4), serial, Qt::EditRole);
}
