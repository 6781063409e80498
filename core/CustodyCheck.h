// The re-check of a saved report: verifies again every file that the report
// lists, at its path, and says for each whether it is unchanged, modified,
// missing or moved; files under the given paths that the report does not
// list are new. The verifier's --check and the window's Custody Check
// both run it.
//
// The report is read twice, as a stream: once (Prepare) to check it whole
// before any file is verified (a report that is not ours, or a bad line,
// stops with nothing verified) and to learn which files under the paths it
// lists; then again (Run) while its files are verified, in its order. The
// files under the paths that it does not list are verified first, so that a
// missing entry whose SHA-256 turns up among them is known to have moved by
// the time its line is given; those that no entry claims come at the end as
// new.
//
// Memory: nothing per report entry beyond the verifier's window of files in
// progress. Per file under the paths: its job and its normalised path (about
// 40 bytes plus the path's length); per file there that the report does not
// list, 56 bytes for its result and the index by SHA-256.
#ifndef ARDENTIX_CORE_CUSTODYCHECK_H
#define ARDENTIX_CORE_CUSTODYCHECK_H

#include "CheckWriter.h"
#include "FileJob.h"
#include "FileResult.h"
#include "MediaFolderWalk.h"
#include "ReportReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <vector>

class CustodyCheck
{
public:
    struct Callbacks
    {
        // Each line: the report's entries in its order, then the new files.
        std::function<void(const CustodyLine&)> line;
        // After each run of consecutive lines (a good time to flush).
        std::function<void()> batchEnd;
        // Files and bytes done, as the batch verifier gives them.
        std::function<void(qint64 filesDone, qint64 bytesDone)> progress;
    };

    enum class Outcome
    {
        Done,
        // The stop flag was set: the lines so far were given, no new ones.
        Stopped,
        // The report could not be read again as it was (Problem).
        ReportFailed
    };

    // report: the saved report, as the system names it; paths: the files
    // and folders to search for moved and new files; jobs: files verified
    // at once.
    CustodyCheck(const QByteArray& report, const std::vector<QByteArray>& paths, int jobs);

    // Walks the paths and reads the report whole. False, with Problem,
    // when the report cannot be read or is not ours; nothing is verified
    // then. tick is handed to the folder walk.
    bool Prepare(const WalkTick& tick = {});

    // After Prepare: how many lines a whole run gives at most (entries and
    // files that the report does not list), their bytes, and the widest
    // path's text column.
    qint64 FileCount() const { return m_entries + static_cast<qint64>(m_unlistedJobs.size()); }
    qint64 TotalBytes() const { return m_totalBytes; }
    int PathWidth() const { return m_pathWidth; }
    // The report's format, once Prepare has read it.
    ReportReader::Format ReportFormat() const { return m_reader.ReportFormat(); }

    // Verifies and gives every line. stop, set from any thread, stops the
    // files in progress within one read block.
    Outcome Run(const Callbacks& callbacks, const std::atomic<bool>* stop = nullptr);

    // The folder that the report's relative paths are read against, as the
    // system names it; empty (the default) for the working folder. Set
    // before Prepare.
    void SetBase(const QByteArray& folder) { m_base = folder; }
    // An entry's path as it is looked for: a relative one joined to the base.
    QByteArray Resolved(const QByteArray& path) const;
    // After Prepare: how many entries have a relative path.
    qint64 RelativeEntries() const { return m_relativeEntries; }
    // After Run, with its counts: most entries were not found at their
    // paths though some paths are relative, so the base is likely the wrong
    // folder.
    bool MostUnfound(const CustodyCounts& counts) const;

    // Why the report cannot be used (Prepare false, or Run ReportFailed).
    const ReportProblem& Problem() const { return m_problem; }
    // After a Run that was not ReportFailed: the SHA-256 of the report's
    // bytes, which both passes read alike (lower-case hexadecimal). Checked
    // after a stop too, so that a report replaced meanwhile is never named
    // beside the old one's comparison.
    QByteArray ReportSha256() const { return m_reportSha256; }
    // A PDF report's case details (JSON), when it names one.
    QByteArray ReportCase() const { return m_reader.PdfCase(); }
    // Files for which no digest could be computed on this system.
    qint64 NoDigest() const { return m_noDigest; }

    // How the file now compares with its entry: Unchanged, Modified, or
    // Missing when it cannot be read now but could be then. changed gets
    // what differs.
    static CustodyStatus Compare(const ReportEntry& entry, const FileResult& now, QStringList* changed);

    // The path made absolute against cwd, without "." and empty components,
    // so that "a//./b" and "a/b" name the same file. ".." is kept: through a
    // symbolic link it need not mean the parent.
    static QByteArray Normalised(const QByteArray& path, const QByteArray& cwd);

    // The working folder as the system names it, so that a folder whose name
    // is not UTF-8 is joined to relative paths unchanged.
    static QByteArray WorkingFolder();

    // Whether a path is relative: neither from a root nor, on Windows, from
    // a drive or a share.
    static bool IsRelative(const QByteArray& path);

private:
    // A file under the paths that the report does not list, once verified.
    struct Unlisted
    {
        std::array<unsigned char, 32> sha256{};
        bool read = false; // false: no SHA-256 (the file could not be read)
        bool claimed = false;
        ardentix::engine::AuthResult result = ardentix::engine::AuthResult::Unreadable;
    };

    void IndexWalked();
    void MarkListed(const QByteArray& path);
    void FindUnlisted();
    void RecordUnlisted(const FileResult& result);
    void BuildShaIndex();
    std::size_t Claim(const QByteArray& sha256Hex);
    CustodyLine EntryLine(const ReportEntry& entry, const FileResult& now);
    void ResolveEntry(ReportEntry& entry) const;
    bool Refused(Outcome* outcome);
    void GiveNewLines(const Callbacks& callbacks);

    QByteArray m_report;
    std::vector<QByteArray> m_paths;
    int m_jobs;
    QByteArray m_cwd;
    QByteArray m_base;
    ReportReader m_reader;
    ReportProblem m_problem;
    QByteArray m_preparedSha256;
    QByteArray m_reportSha256;
    qint64 m_relativeEntries = 0;

    std::vector<FileJob> m_walked;
    // The walked files' normalised paths in byte-wise order, while the
    // report is read the first time.
    std::vector<std::pair<QByteArray, std::size_t>> m_byPath;
    std::vector<bool> m_listed;
    std::vector<std::size_t> m_unlistedJobs;
    std::vector<Unlisted> m_unlisted;
    std::size_t m_unlistedDone = 0;
    // The unlisted files in order of SHA-256, once all are verified.
    std::vector<std::size_t> m_bySha;
    bool m_shaIndexBuilt = false;

    qint64 m_entries = 0;
    qint64 m_totalBytes = 0;
    int m_pathWidth = 0;
    qint64 m_noDigest = 0;
};

#endif
