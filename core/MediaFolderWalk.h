// Which files of a folder are verified, and the walk that finds them.
//
// The folder is walked recursively. Only regular files are kept: no
// symbolic links (to files or to folders), no FIFOs, sockets or devices, and
// no hidden entries (hidden folders are not entered). A file is kept when its
// complete suffix (everything after the first "."), in lower case, is exactly
// the extension of one of the engine's file layouts ("mp4", "avi" or "jpg"):
// "clip.MP4" is kept, "clip.mp4.bak" and "clip.2012.mp4" are not. Names are taken as the bytes the system gives, so
// names that are not UTF-8 are found like any other. The files come sorted
// byte-wise by path, and subfolders that cannot be listed are reported, so
// that nothing in a folder is passed over silently.
#ifndef ARDENTIX_CORE_MEDIAFOLDERWALK_H
#define ARDENTIX_CORE_MEDIAFOLDERWALK_H

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// Whether a file name (without folder) has a media file's complete suffix.
bool IsMediaFileName(const QByteArray& name);

// The Open dialog's name patterns for media files, from the same layouts, in
// their order and lower case, separated by ";": "*.jpg;*.avi;*.mp4".
QString MediaFilePatterns();

struct MediaFolderListing
{
    // Whether the folder itself could be listed.
    bool listed = false;
    // The media files, sorted byte-wise.
    std::vector<QByteArray> files;
    // Subfolders that could not be listed, sorted byte-wise.
    std::vector<QByteArray> unlisted;
};

// Called after every entry the walk meets, kept or not, to keep an event
// loop turning; the walk stops, with what it has found so far, once it
// returns false.
using WalkTick = std::function<bool()>;

// Walks folder (a path as the system names it). An empty path gives an
// unlisted, empty result: it never stands for the working directory.
MediaFolderListing WalkMediaFolder(const QByteArray& folder, const WalkTick& afterEachEntry = {});

#endif
