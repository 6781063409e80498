#include "CustodyCheck.h"

#include "BatchVerifier.h"
#include "FileDigest.h"
#include "InputCollector.h"
#include "PathText.h"
#include "Progress.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <utility>

namespace {

const char kProgram[] = "ardentix-verify";
const int kExitUnchanged = 0;
const int kExitChanged = 1;
const int kExitError = 2;

int ReportError(const ReportReader& reader)
{
    (void)std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(reader.ErrorText()));
    return kExitError;
}

// A file under the PATHs that the report does not list, once verified.
struct Unlisted
{
    std::array<unsigned char, 32> sha256{};
    bool read = false; // false: no SHA-256 (the file could not be read)
    bool claimed = false;
    AuthResult result = AuthUnreadable;
};

std::array<unsigned char, 32> DigestBytes(const QByteArray& hex)
{
    std::array<unsigned char, 32> bytes{};
    const QByteArray raw = QByteArray::fromHex(hex);
    if (raw.size() == 32)
        std::memcpy(bytes.data(), raw.constData(), bytes.size());
    return bytes;
}

QByteArray DigestHex(const std::array<unsigned char, 32>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), 32).toHex();
}

// The entry's file: the literal reading of its path where the escaped one
// names nothing and the literal one does.
QByteArray EntryPath(const ReportEntry& entry)
{
    if (!entry.literalPath.isEmpty() && FileSize(entry.pathBytes.constData()) < 0 &&
        FileSize(entry.literalPath.constData()) >= 0)
        return entry.literalPath;
    return entry.pathBytes;
}

} // namespace

CustodyCheck::CustodyCheck(const CustodyOptions& options) : m_options(options) {}

QByteArray CustodyCheck::Normalised(const QByteArray& path, const QByteArray& cwd)
{
#ifdef Q_OS_WIN
    // Either slash separates, so "C:\a\b.avi" and "c:/a/b.avi" are the same
    // file: a drive letter compares without case. A share's path
    // ("\\server\share\b.avi") keeps its two leading separators, so that it
    // never meets a path on the current drive ("\server\share\b.avi"), which
    // takes the working folder's drive or share. The long-path prefix
    // ("\\?\", "\\?\UNC\") names the same file as the path without it. Paths
    // compare as text: in a multi-byte code page a backslash byte can be the
    // second half of a character.
    const auto windowsForm = [](const QByteArray& native) {
        QByteArray p = PathText::FromNative(native).toUtf8();
        p.replace('\\', '/');
        if (p.startsWith("//?/UNC/"))
            p.remove(2, 6);
        else if (p.startsWith("//?/"))
            p.remove(0, 4);
        if (p.size() >= 2 && p[1] == ':' && p[0] >= 'a' && p[0] <= 'z')
            p[0] = static_cast<char>(p[0] - 'a' + 'A');
        return p;
    };
    const QByteArray given = windowsForm(path);
    const QByteArray folder = windowsForm(cwd);
    const auto isShare = [](const QByteArray& p) { return p.startsWith("//"); };
    QByteArray absolute = given;
    if (given.startsWith('/') && !isShare(given)) {
        const qsizetype shareEnd = folder.indexOf('/', folder.indexOf('/', 2) + 1);
        if (isShare(folder))
            absolute = folder.left(shareEnd < 0 ? folder.size() : shareEnd) + given;
        else if (folder.size() >= 2 && folder[1] == ':')
            absolute = folder.left(2) + given;
    } else if (!(given.size() >= 3 && given[1] == ':' && given[2] == '/') && !isShare(given)) {
        absolute = folder + '/' + given;
    }
    const QByteArray lead = isShare(absolute) ? "/" : "";
#else
    const QByteArray absolute = path.startsWith('/') ? path : cwd + '/' + path;
    const QByteArray lead;
#endif
    QByteArray out;
    out.reserve(absolute.size());
    for (const QByteArray& part : absolute.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        out += '/' + part;
    }
    return out.isEmpty() ? QByteArray("/") : lead + out;
}

CustodyStatus CustodyCheck::Compare(const ReportEntry& entry, const FileResult& now, QStringList* changed)
{
    changed->clear();
    if (now.result == AuthUnreadable && now.sha256.isEmpty() && !entry.sha256.isEmpty())
        return CustodyStatus::Missing;
    if (now.sha256 != entry.sha256)
        *changed << QStringLiteral("sha256");
    if (now.IsAuthentic() != entry.authentic)
        *changed << QStringLiteral("result");
    const QString reason = now.IsAuthentic() ? QString() : QString::fromLatin1(AuthResultName(now.result));
    if (reason != entry.reason)
        *changed << QStringLiteral("reason");
    const WatermarkRecord& r = now.record;
    const std::array<const std::string*, ReportEntry::FieldCount> fields = {
        &r.Marker, &r.Version, &r.HMAC, &r.StartTime, &r.EndTime, &r.TimeSource, &r.VHSerial, &r.CamMAC};
    for (int i = 0; i < ReportEntry::FieldCount; ++i) {
        if ((entry.fieldMask & (1u << i)) == 0)
            continue;
        const QString value = PathText::FromLatin1(*fields[i]);
        const bool guarded = (entry.guardMask & (1u << i)) != 0;
        if (value != entry.fields[i] && !(guarded && value == QLatin1Char('\'') + entry.fields[i]))
            *changed << QLatin1String(ReportEntry::FieldNames[i]);
    }
    return changed->isEmpty() ? CustodyStatus::Unchanged : CustodyStatus::Modified;
}

int CustodyCheck::Run() const
{
    const bool text = m_options.format == ReportFormat::Text;
    const QByteArray cwd = PathText::ToNative(QDir::currentPath());

    // The files under the PATHs, and their normalised paths in byte-wise
    // order, to find those that the report lists.
    const std::vector<FileJob> walked = InputCollector::Collect(m_options.paths);
    std::vector<std::pair<QByteArray, std::size_t>> byPath;
    byPath.reserve(walked.size());
    for (std::size_t i = 0; i < walked.size(); ++i)
        byPath.emplace_back(Normalised(walked[i].path, cwd), i);
    std::sort(byPath.begin(), byPath.end());
    std::vector<bool> listed(walked.size(), false);
    // A file reached through two PATHs counts once, at its first place.
    for (std::size_t i = 1; i < byPath.size(); ++i) {
        if (byPath[i].first == byPath[i - 1].first)
            listed[byPath[i].second] = true;
    }
    const auto markListed = [&](const QByteArray& path) {
        if (byPath.empty() || path.isEmpty())
            return;
        const QByteArray key = Normalised(path, cwd);
        auto it = std::lower_bound(byPath.begin(), byPath.end(), std::make_pair(key, std::size_t(0)));
        for (; it != byPath.end() && it->first == key; ++it)
            listed[it->second] = true;
    };

    // First pass: the whole report is checked before anything is verified.
    ReportReader reader;
    if (!reader.Open(m_options.report))
        return ReportError(reader);
    qint64 entries = 0;
    qint64 totalBytes = 0;
    int pathWidth = 0;
    ReportEntry entry;
    while (reader.Next(entry)) {
        ++entries;
        totalBytes += std::max<qint64>(entry.size, 0);
        markListed(entry.pathBytes);
        markListed(entry.literalPath);
        if (text)
            pathWidth = std::max(pathWidth, ReportWriter::PathColumnWidth(entry.pathBytes));
    }
    if (reader.Failed())
        return ReportError(reader);
    byPath.clear();
    byPath.shrink_to_fit();

    std::vector<std::size_t> unlistedJobs;
    for (std::size_t i = 0; i < walked.size(); ++i) {
        if (listed[i])
            continue;
        unlistedJobs.push_back(i);
        totalBytes += walked[i].size;
        if (text)
            pathWidth = std::max(pathWidth, ReportWriter::PathColumnWidth(walked[i].path));
    }
    std::vector<Unlisted> unlisted(unlistedJobs.size());
    // The unlisted files in order of SHA-256, once all are verified.
    std::vector<std::size_t> bySha;
    bool shaIndexBuilt = false;

    // Second pass.
    if (!reader.Open(m_options.report))
        return ReportError(reader);

    const CheckWriter writer(m_options.format, pathWidth);
    Progress progress(m_options.progress, entries + static_cast<qint64>(unlistedJobs.size()), totalBytes);
    const auto write = [](const QByteArray& bytes) {
        (void)std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    };
    write(writer.Header());

    CheckWriter::Counts counts{};
    qint64 noDigest = 0;
    std::deque<ReportEntry> pending; // entries handed to the verifier, in order
    std::size_t nextUnlisted = 0;
    std::size_t unlistedDone = 0;

    const BatchVerifier::Source source = [&](FileJob& job) {
        if (nextUnlisted < unlistedJobs.size()) {
            job = walked[unlistedJobs[nextUnlisted++]];
            return true;
        }
        ReportEntry next;
        if (!reader.Next(next))
            return false;
        job = FileJob{EntryPath(next), std::max<qint64>(next.size, 0), false};
        pending.push_back(std::move(next));
        return true;
    };

    const auto claim = [&](const QByteArray& hex) -> std::size_t {
        const std::array<unsigned char, 32> key = DigestBytes(hex);
        auto it = std::lower_bound(
            bySha.begin(), bySha.end(), key,
            [&](std::size_t i, const std::array<unsigned char, 32>& k) { return unlisted[i].sha256 < k; });
        for (; it != bySha.end() && unlisted[*it].sha256 == key; ++it) {
            if (!unlisted[*it].claimed) {
                unlisted[*it].claimed = true;
                return *it;
            }
        }
        return unlisted.size();
    };

    const auto writeLine = [&](const CustodyLine& line) {
        if (m_options.stdoutIsTerminal)
            progress.Hide();
        write(writer.Record(line));
        ++counts[static_cast<std::size_t>(line.status)];
    };

    BatchVerifier::Callbacks callbacks;
    callbacks.result = [&](const FileResult& result) {
        if (result.result == AuthInternalError)
            ++noDigest;
        if (unlistedDone < unlisted.size()) {
            Unlisted& found = unlisted[unlistedDone++];
            found.result = result.result;
            found.read = !result.sha256.isEmpty();
            if (found.read)
                found.sha256 = DigestBytes(result.sha256);
            return;
        }
        if (!shaIndexBuilt) {
            for (std::size_t i = 0; i < unlisted.size(); ++i) {
                if (unlisted[i].read)
                    bySha.push_back(i);
            }
            std::stable_sort(bySha.begin(), bySha.end(),
                             [&](std::size_t a, std::size_t b) { return unlisted[a].sha256 < unlisted[b].sha256; });
            shaIndexBuilt = true;
        }
        const ReportEntry current = std::move(pending.front());
        pending.pop_front();

        CustodyLine line;
        line.path = current.path;
        line.pathBytes = current.pathBytes;
        line.reportLine = current.line;
        line.reportAuthentic = current.authentic;
        line.reportReason = current.reason;
        line.reportSha256 = current.sha256;
        line.status = Compare(current, result, &line.changed);
        line.result = result.result;
        line.sha256 = result.sha256;
        if (line.status == CustodyStatus::Missing) {
            const std::size_t found = claim(current.sha256);
            if (found < unlisted.size()) {
                line.status = CustodyStatus::Moved;
                line.newPath = walked[unlistedJobs[found]].path;
                line.result = unlisted[found].result;
                line.sha256 = current.sha256;
                if ((line.result == AuthAuthentic) != current.authentic)
                    line.changed << QStringLiteral("result");
                const QString reason =
                    line.result == AuthAuthentic ? QString() : QString::fromLatin1(AuthResultName(line.result));
                if (reason != current.reason)
                    line.changed << QStringLiteral("reason");
            }
        }
        writeLine(line);
    };
    callbacks.batchEnd = [&] {
        (void)std::fflush(stdout);
        progress.Show();
    };
    callbacks.progress = [&](qint64 filesDone, qint64 bytesDone) { progress.Update(filesDone, bytesDone); };

    BatchVerifier(m_options.jobs, true).Run(source, callbacks);
    if (reader.Failed()) {
        // The report changed between the two passes.
        progress.Finish();
        return ReportError(reader);
    }

    // The files that no entry claimed, in the order of the PATHs.
    for (std::size_t i = 0; i < unlisted.size(); ++i) {
        if (unlisted[i].claimed)
            continue;
        const QByteArray& path = walked[unlistedJobs[i]].path;
        CustodyLine line;
        line.status = CustodyStatus::New;
        line.path = PathText::ForReport(path);
        line.pathBytes = path;
        line.result = unlisted[i].result;
        if (unlisted[i].read)
            line.sha256 = DigestHex(unlisted[i].sha256);
        writeLine(line);
    }
    progress.Finish();

    const QByteArray summary = CheckWriter::Summary(counts);
    if (text)
        write(summary);
    else if (!m_options.quiet)
        (void)std::fwrite(summary.constData(), 1, static_cast<std::size_t>(summary.size()), stderr);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        (void)std::fprintf(stderr, "%s: cannot write to stdout\n", kProgram);
        return kExitError;
    }
    if (noDigest > 0) {
        (void)std::fprintf(stderr,
                           "%s: %lld file(s) could not be verified: this system could not compute the digest "
                           "(reason internal-error); no verdict was reached for them\n",
                           kProgram, static_cast<long long>(noDigest));
        return kExitError;
    }
    const qint64 unchanged = counts[static_cast<std::size_t>(CustodyStatus::Unchanged)];
    qint64 total = 0;
    for (const qint64 count : counts)
        total += count;
    return unchanged == total ? kExitUnchanged : kExitChanged;
}
