#include "FileStream.h"

#include "DigestAlgorithms.h"
#include "InputFile.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace ardentix::engine {

namespace {

// Hashes blocks on a thread of its own while the reader fills the next
// ones. The blocks go round a ring, and each side sleeps and wakes for a
// batch, never for a single block: a wake across cores costs tens of
// microseconds on a virtual machine, and a hasher faster than the reader
// would otherwise empty the ring and sleep after nearly every block. The
// hasher sleeps until several blocks wait for it (or the stream ends) and
// then hashes all it finds before it sleeps again; the reader waits only
// when the ring is full, until a few slots are free. Each side is woken
// only when it is actually asleep.
class Sha256Hasher
{
public:
    // 24 blocks of 256 KiB: 6 MiB per file, allocated as the ring fills.
    static constexpr int Slots = 24;
    // The hasher wakes when this many blocks wait. The rest of the ring
    // keeps the reader going while the hasher wakes; fewer wakes mean
    // blocks hashed later, out of the processor's cache.
    static constexpr int HasherBatch = 20;
    // The reader, when the ring is full, wakes when this many slots are
    // free: soon, as it is usually the slower side, but still in batches
    // where the hash is the slower one.
    static constexpr int ReaderBatch = 8;

    // blocks is the number the stream will hand over: a short stream wakes
    // the hasher sooner, so that hashing still overlaps the reads.
    Sha256Hasher(EVP_MD_CTX* ctx, std::int64_t blocks)
        : m_ctx(ctx), m_wakeAt(static_cast<int>(std::clamp<std::int64_t>(blocks / 4, 1, HasherBatch)))
    {
        m_thread = std::thread([this] { Run(); });
    }

    ~Sha256Hasher() { Stop(true); }

    // A free block for the reader to fill.
    unsigned char* Acquire()
    {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_filled == Slots) {
                m_readerAsleep = true;
                m_readerWake.wait(lock, [this] { return m_filled <= Slots - ReaderBatch; });
                m_readerAsleep = false;
            }
        }
        // The slot is the reader's until Submit: the hasher touches only
        // filled ones, so it is allocated without the lock.
        std::unique_ptr<unsigned char[]>& buffer = m_buffers[m_produce];
        if (!buffer)
            buffer.reset(new unsigned char[ARDENTIX_READ_BLOCK_SIZE]);
        return buffer.get();
    }

    // Hands the block from Acquire, with length bytes in it, to the hasher.
    void Submit(std::size_t length)
    {
        bool wake = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_lengths[m_produce] = length;
            m_produce = (m_produce + 1) % Slots;
            ++m_filled;
            if (m_hasherAsleep && m_filled >= m_wakeAt) {
                m_hasherAsleep = false;
                wake = true;
            }
        }
        if (wake)
            m_hasherWake.notify_one();
    }

    // Waits until every submitted block is hashed (or drops them, when
    // abandon is set), and ends the thread.
    void Stop(bool abandon)
    {
        if (!m_thread.joinable())
            return;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_end = true;
            m_abandon = abandon;
            m_hasherAsleep = false;
        }
        m_hasherWake.notify_one();
        m_thread.join();
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            if (m_abandon)
                return;
            if (m_filled == 0) {
                // Everything handed over is hashed.
                if (m_end)
                    return;
                m_hasherAsleep = true;
                m_hasherWake.wait(lock, [this] { return m_filled >= m_wakeAt || m_end; });
                m_hasherAsleep = false;
                continue;
            }
            const int slot = m_consume;
            lock.unlock();
            EVP_DigestUpdate(m_ctx, m_buffers[slot].get(), m_lengths[slot]);
            lock.lock();
            m_consume = (m_consume + 1) % Slots;
            --m_filled;
            if (m_readerAsleep && m_filled <= Slots - ReaderBatch) {
                m_readerAsleep = false;
                lock.unlock();
                m_readerWake.notify_one();
                lock.lock();
            }
        }
    }

    EVP_MD_CTX* m_ctx;
    const int m_wakeAt;
    std::unique_ptr<unsigned char[]> m_buffers[Slots];
    std::size_t m_lengths[Slots] = {};
    int m_produce = 0;
    int m_consume = 0;
    int m_filled = 0;
    bool m_hasherAsleep = false;
    bool m_readerAsleep = false;
    bool m_end = false;
    bool m_abandon = false;
    std::mutex m_mutex;
    std::condition_variable m_hasherWake;
    std::condition_variable m_readerWake;
    std::thread m_thread;
};

} // namespace

StreamStatus StreamFile(InputFile& file, std::int64_t size, const ProtectedRanges& ranges, const StreamSinks& sinks,
                        unsigned char md5[ARDENTIX_MD5_DIGEST_SIZE], unsigned char sha256[ARDENTIX_SHA256_DIGEST_SIZE])
{
    DigestContext md5Ctx;
    DigestContext shaCtx;
    if (sinks.md5 && !(md5Ctx = StartDigest(DigestKind::Md5)))
        return StreamStatus::NoDigest;
    if (sinks.sha256 && !(shaCtx = StartDigest(DigestKind::Sha256)))
        return StreamStatus::NoDigest;

    std::unique_ptr<Sha256Hasher> hasher;
    // A thread pays only over more than a few blocks.
    if (sinks.sha256 && sinks.sha256OnThread && size > 4 * std::int64_t(ARDENTIX_READ_BLOCK_SIZE)) {
        try {
            const std::int64_t blocks = (size + std::int64_t(ARDENTIX_READ_BLOCK_SIZE) - 1) / ARDENTIX_READ_BLOCK_SIZE;
            hasher = std::make_unique<Sha256Hasher>(shaCtx.get(), blocks);
        } catch (const std::system_error&) {
            // No second thread to be had: hash on this one.
        }
    }
    std::vector<unsigned char> ownBuffer;
    if (!hasher)
        ownBuffer.resize(ARDENTIX_READ_BLOCK_SIZE);

    // Without the SHA-256 only the protected ranges are read; with it, the
    // whole file, and the MD5 takes the protected parts of each block.
    struct Segment
    {
        std::int64_t begin;
        std::int64_t end;
    };
    std::vector<Segment> segments;
    if (sinks.sha256)
        segments.push_back({0, size});
    else
        for (int r = 0; r < ranges.count; ++r)
            segments.push_back({ranges.begin[r], ranges.end[r]});

    for (const Segment& segment : segments) {
        for (std::int64_t offset = segment.begin; offset < segment.end;) {
            if (sinks.cancel != nullptr && sinks.cancel->load(std::memory_order_relaxed))
                return StreamStatus::Cancelled;
            unsigned char* block = hasher ? hasher->Acquire() : ownBuffer.data();
            const std::size_t want =
                static_cast<std::size_t>(std::min<std::int64_t>(segment.end - offset, ARDENTIX_READ_BLOCK_SIZE));
            // A short read means the file shrank under us: not the file
            // whose length the procedure took.
            if (!file.ReadAt(offset, block, want))
                return StreamStatus::ReadError;
            const std::int64_t blockEnd = offset + static_cast<std::int64_t>(want);
            if (md5Ctx) {
                for (int r = 0; r < ranges.count; ++r) {
                    const std::int64_t lo = std::max(offset, ranges.begin[r]);
                    const std::int64_t hi = std::min(blockEnd, ranges.end[r]);
                    if (lo < hi)
                        EVP_DigestUpdate(md5Ctx.get(), block + (lo - offset), static_cast<std::size_t>(hi - lo));
                }
            }
            if (hasher)
                hasher->Submit(want);
            else if (shaCtx)
                EVP_DigestUpdate(shaCtx.get(), block, want);
            offset = blockEnd;
            if (sinks.progress)
                sinks.progress(offset);
        }
    }
    if (hasher)
        hasher->Stop(false);

    if (md5Ctx && !FinishDigest(md5Ctx, md5, ARDENTIX_MD5_DIGEST_SIZE))
        return StreamStatus::NoDigest;
    if (shaCtx && !FinishDigest(shaCtx, sha256, ARDENTIX_SHA256_DIGEST_SIZE))
        return StreamStatus::NoDigest;
    if (sinks.progress)
        sinks.progress(size);
    return StreamStatus::Done;
}

} // namespace ardentix::engine
