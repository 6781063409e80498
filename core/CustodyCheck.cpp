#include "CustodyCheck.h"

#include "BatchVerifier.h"
#include "FileLayout.h"
#include "InputCollector.h"
#include "PathText.h"
#include "ReportFields.h"
#include "ReportWriter.h"
#include "ResultText.h"

#include <QDir>

#include <algorithm>
#include <cstring>
#include <deque>
#include <utility>

#ifndef Q_OS_WIN
#include <cerrno>
#include <climits>
#include <unistd.h>
#endif

using ardentix::engine::AuthResult;
using ardentix::engine::FileSize;

namespace {

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

// "result" and "reason" where the verdict now differs from the entry's.
void CompareVerdict(const ReportEntry& entry, AuthResult now, QStringList* changed)
{
    if ((now == AuthResult::Authentic) != entry.authentic)
        *changed << QStringLiteral("result");
    if (ResultText::ReasonName(now) != entry.reason)
        *changed << QStringLiteral("reason");
}

#ifdef Q_OS_WIN
// A Windows path with forward slashes, made absolute against cwd. Either
// slash separates, so "C:\a\b.avi" and "c:/a/b.avi" are the same file: a
// drive letter compares without case. A share's path ("\\server\share\b.avi")
// keeps its two leading separators, so that it never meets a path on the
// current drive ("\server\share\b.avi"), which takes the working folder's
// drive or share. The long-path prefix ("\\?\", "\\?\UNC\") names the same
// file as the path without it. Paths compare as text: in a multi-byte code
// page a backslash byte can be the second half of a character.
QByteArray WindowsAbsolute(const QByteArray& path, const QByteArray& cwd)
{
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
    if (given.startsWith('/') && !isShare(given)) {
        const qsizetype shareEnd = folder.indexOf('/', folder.indexOf('/', 2) + 1);
        if (isShare(folder))
            return folder.left(shareEnd < 0 ? folder.size() : shareEnd) + given;
        if (folder.size() >= 2 && folder[1] == ':')
            return folder.left(2) + given;
        return given;
    }
    if (!(given.size() >= 3 && given[1] == ':' && given[2] == '/') && !isShare(given))
        return folder + '/' + given;
    return given;
}
#endif

} // namespace

CustodyCheck::CustodyCheck(const QByteArray& report, const std::vector<QByteArray>& paths, int jobs)
    : m_report(report), m_paths(paths), m_jobs(qMax(1, jobs)), m_cwd(WorkingFolder())
{
}

QByteArray CustodyCheck::WorkingFolder()
{
#ifdef Q_OS_WIN
    return PathText::ToNative(QDir::currentPath());
#else
    QByteArray folder(PATH_MAX, '\0');
    while (::getcwd(folder.data(), static_cast<std::size_t>(folder.size())) == nullptr) {
        if (errno != ERANGE)
            return PathText::ToNative(QDir::currentPath());
        folder.resize(folder.size() * 2);
    }
    folder.truncate(static_cast<qsizetype>(std::strlen(folder.constData())));
    return folder;
#endif
}

bool CustodyCheck::IsRelative(const QByteArray& path)
{
    if (path.isEmpty() || path.startsWith('/'))
        return false;
#ifdef Q_OS_WIN
    if (path.startsWith('\\') || (path.size() >= 2 && path[1] == ':'))
        return false;
#endif
    return true;
}

bool CustodyCheck::MostUnfound(const CustodyCounts& counts) const
{
    const qint64 entries = counts.Total() - counts.Of(CustodyStatus::New);
    const qint64 unfound = counts.Of(CustodyStatus::Missing) + counts.Of(CustodyStatus::Moved);
    return m_relativeEntries > 0 && entries > 0 && unfound * 2 > entries;
}

QByteArray CustodyCheck::Resolved(const QByteArray& path) const
{
    if (m_base.isEmpty() || !IsRelative(path))
        return path;
    return m_base.endsWith('/') ? m_base + path : m_base + '/' + path;
}

// The entry's paths joined to the base; the literal reading of its path
// where the escaped one names nothing and the literal one does, and then
// the line names that file, as the report would.
void CustodyCheck::ResolveEntry(ReportEntry& entry) const
{
    entry.pathBytes = Resolved(entry.pathBytes);
    if (entry.literalPath.isEmpty())
        return;
    const QByteArray literal = Resolved(entry.literalPath);
    if (!FileSize(entry.pathBytes.constData()) && FileSize(literal.constData())) {
        entry.path = PathText::ForReport(entry.literalPath);
        entry.pathBytes = literal;
    }
    entry.literalPath.clear();
}

QByteArray CustodyCheck::Normalised(const QByteArray& path, const QByteArray& cwd)
{
#ifdef Q_OS_WIN
    const QByteArray absolute = WindowsAbsolute(path, cwd);
    const QByteArray lead = absolute.startsWith("//") ? "/" : "";
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
    if (now.result == AuthResult::Unreadable && now.sha256.isEmpty() && !entry.sha256.isEmpty())
        return CustodyStatus::Missing;
    if (now.sha256 != entry.sha256)
        *changed << QStringLiteral("sha256");
    CompareVerdict(entry, now.result, changed);
    for (const ReportFields::Field field : ReportFields::WatermarkFields()) {
        const ReportEntry::Value& then = entry.Of(field);
        if (!then.present)
            continue;
        const QString value = PathText::FromLatin1(*ReportFields::WatermarkField(field, now.record));
        if (value != then.text && !(then.guarded && value == QLatin1Char('\'') + then.text))
            *changed << QLatin1String(ReportFields::Column(field));
    }
    return changed->isEmpty() ? CustodyStatus::Unchanged : CustodyStatus::Modified;
}

void CustodyCheck::IndexWalked()
{
    m_byPath.clear();
    m_byPath.reserve(m_walked.size());
    for (std::size_t i = 0; i < m_walked.size(); ++i)
        m_byPath.emplace_back(Normalised(m_walked[i].path, m_cwd), i);
    std::sort(m_byPath.begin(), m_byPath.end());
    m_listed.assign(m_walked.size(), false);
    // A file reached through two paths counts once, at its first place.
    for (std::size_t i = 1; i < m_byPath.size(); ++i) {
        if (m_byPath[i].first == m_byPath[i - 1].first)
            m_listed[m_byPath[i].second] = true;
    }
}

void CustodyCheck::MarkListed(const QByteArray& path)
{
    if (m_byPath.empty() || path.isEmpty())
        return;
    const QByteArray key = Normalised(path, m_cwd);
    auto it = std::lower_bound(m_byPath.begin(), m_byPath.end(), std::make_pair(key, std::size_t(0)));
    for (; it != m_byPath.end() && it->first == key; ++it)
        m_listed[it->second] = true;
}

void CustodyCheck::FindUnlisted()
{
    m_unlistedJobs.clear();
    for (std::size_t i = 0; i < m_walked.size(); ++i) {
        if (m_listed[i])
            continue;
        m_unlistedJobs.push_back(i);
        m_totalBytes += m_walked[i].size;
        m_pathWidth = std::max(m_pathWidth, ReportWriter::PathColumnWidth(m_walked[i].path));
    }
    m_unlisted.assign(m_unlistedJobs.size(), Unlisted());
}

bool CustodyCheck::Prepare(const WalkTick& tick)
{
    m_walked = InputCollector::Collect(m_paths, tick);
    IndexWalked();
    m_problem = ReportProblem();
    if (!m_reader.Open(m_report)) {
        m_problem = m_reader.Problem();
        return false;
    }
    m_entries = 0;
    m_relativeEntries = 0;
    m_totalBytes = 0;
    m_pathWidth = 0;
    ReportEntry entry;
    while (m_reader.Next(entry)) {
        ++m_entries;
        if (IsRelative(entry.pathBytes))
            ++m_relativeEntries;
        m_totalBytes += std::max<qint64>(entry.size, 0);
        const QByteArray path = Resolved(entry.pathBytes);
        MarkListed(path);
        if (!entry.literalPath.isEmpty())
            MarkListed(Resolved(entry.literalPath));
        m_pathWidth = std::max(m_pathWidth, ReportWriter::PathColumnWidth(path));
    }
    if (m_reader.Failed()) {
        m_problem = m_reader.Problem();
        return false;
    }
    m_preparedSha256 = m_reader.Sha256();
    m_byPath.clear();
    m_byPath.shrink_to_fit();
    FindUnlisted();
    return true;
}

void CustodyCheck::RecordUnlisted(const FileResult& result)
{
    if (result.result == AuthResult::InternalError)
        ++m_noDigest;
    Unlisted& found = m_unlisted[m_unlistedDone++];
    found.result = result.result;
    found.read = !result.sha256.isEmpty();
    if (found.read)
        found.sha256 = DigestBytes(result.sha256);
}

void CustodyCheck::BuildShaIndex()
{
    if (m_shaIndexBuilt)
        return;
    for (std::size_t i = 0; i < m_unlisted.size(); ++i) {
        if (m_unlisted[i].read)
            m_bySha.push_back(i);
    }
    std::stable_sort(m_bySha.begin(), m_bySha.end(),
                     [&](std::size_t a, std::size_t b) { return m_unlisted[a].sha256 < m_unlisted[b].sha256; });
    m_shaIndexBuilt = true;
}

// The first unclaimed unlisted file with this SHA-256, now claimed; the
// count of unlisted files when there is none.
std::size_t CustodyCheck::Claim(const QByteArray& sha256Hex)
{
    const std::array<unsigned char, 32> key = DigestBytes(sha256Hex);
    auto it = std::lower_bound(
        m_bySha.begin(), m_bySha.end(), key,
        [&](std::size_t i, const std::array<unsigned char, 32>& k) { return m_unlisted[i].sha256 < k; });
    for (; it != m_bySha.end() && m_unlisted[*it].sha256 == key; ++it) {
        if (!m_unlisted[*it].claimed) {
            m_unlisted[*it].claimed = true;
            return *it;
        }
    }
    return m_unlisted.size();
}

CustodyLine CustodyCheck::EntryLine(const ReportEntry& entry, const FileResult& now)
{
    CustodyLine line;
    line.path = entry.path;
    line.pathBytes = entry.pathBytes;
    line.reportLine = entry.line;
    line.reportAuthentic = entry.authentic;
    line.reportReason = entry.reason;
    line.reportSha256 = entry.sha256;
    line.status = Compare(entry, now, &line.changed);
    line.result = now.result;
    line.sha256 = now.sha256;
    if (line.status != CustodyStatus::Missing)
        return line;
    const std::size_t found = Claim(entry.sha256);
    if (found < m_unlisted.size()) {
        line.status = CustodyStatus::Moved;
        line.newPath = m_walked[m_unlistedJobs[found]].path;
        line.result = m_unlisted[found].result;
        line.sha256 = entry.sha256;
        CompareVerdict(entry, line.result, &line.changed);
    }
    return line;
}

void CustodyCheck::GiveNewLines(const Callbacks& callbacks)
{
    // The files that no entry claimed, in the order of the paths.
    for (std::size_t i = 0; i < m_unlisted.size(); ++i) {
        if (m_unlisted[i].claimed)
            continue;
        const QByteArray& path = m_walked[m_unlistedJobs[i]].path;
        CustodyLine line;
        line.status = CustodyStatus::New;
        line.path = PathText::ForReport(path);
        line.pathBytes = path;
        line.result = m_unlisted[i].result;
        if (m_unlisted[i].read)
            line.sha256 = DigestHex(m_unlisted[i].sha256);
        callbacks.line(line);
    }
}

// After the second pass: whether the report read then differs from the one
// read first. Read to its end after a stop too, so that its SHA-256 names
// the bytes that were compared.
bool CustodyCheck::Refused(Outcome* outcome)
{
    ReportEntry rest;
    while (m_reader.Next(rest)) {
    }
    m_reportSha256 = m_reader.Sha256();
    if (!m_reader.Failed() && m_reportSha256 == m_preparedSha256)
        return false;
    m_problem = ReportProblem();
    m_problem.code = ReportProblem::Code::Changed;
    m_problem.report = m_reader.Problem().report.isEmpty() ? PathText::FromNative(m_report) : m_reader.Problem().report;
    m_reportSha256.clear();
    *outcome = Outcome::ReportFailed;
    return true;
}

CustodyCheck::Outcome CustodyCheck::Run(const Callbacks& callbacks, const std::atomic<bool>* stop)
{
    m_reportSha256.clear();
    if (!m_reader.Open(m_report)) {
        m_problem = m_reader.Problem();
        m_problem.code = ReportProblem::Code::Changed;
        return Outcome::ReportFailed;
    }
    m_noDigest = 0;
    std::deque<ReportEntry> pending; // entries handed to the verifier, in order
    std::size_t nextUnlisted = 0;
    bool stopped = false;

    const BatchVerifier::Source source = [&](FileJob& job) {
        if (nextUnlisted < m_unlistedJobs.size()) {
            job = m_walked[m_unlistedJobs[nextUnlisted++]];
            return true;
        }
        ReportEntry next;
        if (!m_reader.Next(next))
            return false;
        ResolveEntry(next);
        job = FileJob{next.pathBytes, std::max<qint64>(next.size, 0), false};
        pending.push_back(std::move(next));
        return true;
    };
    BatchVerifier::Callbacks batch;
    batch.result = [&](const FileResult& result) {
        // Once a file is stopped, no line is given: a missing entry could
        // not be told from a moved one without all the unlisted files.
        stopped = stopped || result.WasStopped();
        if (m_unlistedDone < m_unlisted.size()) {
            RecordUnlisted(result);
            return;
        }
        const ReportEntry entry = std::move(pending.front());
        pending.pop_front();
        if (result.result == AuthResult::InternalError)
            ++m_noDigest;
        if (stopped)
            return;
        BuildShaIndex();
        callbacks.line(EntryLine(entry, result));
    };
    batch.batchEnd = callbacks.batchEnd;
    batch.progress = callbacks.progress;

    BatchVerifier(m_jobs, true).Run(source, batch, stop);
    Outcome outcome = Outcome::Done;
    if (Refused(&outcome))
        return outcome;
    if (stopped || (stop != nullptr && stop->load()))
        return Outcome::Stopped;
    GiveNewLines(callbacks);
    return Outcome::Done;
}
