// Keeps appending to a file from a thread of its own while it lives, for
// tests of files that grow while they are being checked.
#ifndef ARDENTIX_TESTS_FILEAPPENDER_H
#define ARDENTIX_TESTS_FILEAPPENDER_H

#include <QByteArray>
#include <QFile>
#include <QThread>

#include <atomic>
#include <thread>

namespace testsupport {

class FileAppender
{
public:
    // Starts appending 4 KiB every 200 microseconds and returns once the
    // file has grown at least once.
    explicit FileAppender(const QString& path)
        : thread([this, path] {
              QFile file(path);
              if (!file.open(QIODevice::Append)) {
                  writes = -1;
                  return;
              }
              while (!stop) {
                  file.write(QByteArray(4096, 'x'));
                  file.flush();
                  ++writes;
                  QThread::usleep(200);
              }
          })
    {
        while (writes == 0)
            QThread::usleep(100);
    }

    ~FileAppender()
    {
        stop = true;
        thread.join();
    }

    bool Appending() const { return writes > 0; }

private:
    std::atomic<bool> stop{false};
    std::atomic<int> writes{0};
    std::thread thread;
};

} // namespace testsupport

#endif
