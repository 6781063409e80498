#include "InputCollector.h"

#include "MediaFolderWalk.h"
#include "PathInfo.h"
#include "PathText.h"

#include <algorithm>

std::vector<QByteArray> InputCollector::LocalPaths(const QList<QUrl>& urls)
{
    std::vector<QByteArray> paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.push_back(PathText::FromQt(url.toLocalFile()));
    }
    return paths;
}

FileJob InputCollector::JobFor(const QByteArray& path)
{
    const qint64 size = PathInfo::Of(path).size;
    return {path, size > 0 ? size : 0, false};
}

void InputCollector::CollectOne(const QByteArray& path, std::vector<FileJob>& out, const WalkTick& afterEachEntry)
{
    if (!PathInfo::IsFolder(path)) {
        out.push_back(JobFor(path));
        return;
    }
    const MediaFolderListing listing = WalkMediaFolder(path, afterEachEntry);
    if (!listing.listed) {
        out.push_back({path, 0, true});
        return;
    }
    // Files and unlisted subfolders together, in byte-wise path order.
    auto file = listing.files.begin();
    auto folder = listing.unlisted.begin();
    while (file != listing.files.end() || folder != listing.unlisted.end()) {
        if (folder == listing.unlisted.end() || (file != listing.files.end() && *file < *folder))
            out.push_back(JobFor(*file++));
        else
            out.push_back({*folder++, 0, true});
    }
}

std::vector<FileJob> InputCollector::Collect(const std::vector<QByteArray>& paths, const WalkTick& afterEachEntry)
{
    std::vector<FileJob> jobs;
    for (const QByteArray& path : paths)
        CollectOne(path, jobs, afterEachEntry);
    return jobs;
}
