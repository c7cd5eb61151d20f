#pragma once
// Writing a file so that a failure never destroys the file it was meant to replace.
//
// A symbolic link is followed to the end of its chain, so the file it ends at is replaced, or
// made when it does not exist yet, and the link stays; a chain that loops or cannot be followed
// is a failure before anything is written. Replacing an existing file needs the real user's
// permission to write it, not only the folder's.
//
// The bytes go to a temporary file in the target's folder, which is flushed to the disk and
// renamed over the target only when everything was written. A failed write (a full disk, a
// folder that cannot be written) leaves the old file as it was and no temporary file behind.
// A target that exists but is not a regular file (a device such as /dev/null, a named pipe) is
// written in place, since it cannot be replaced by renaming; a named pipe that nobody reads is a
// failure at once rather than a wait.

#include <filesystem>
#include <functional>
#include <string>

#include "files/byte_stream.h"

namespace toroglav {

struct FileWriteResult {
    bool ok = false;
    std::string error;  // the system's error text when the write failed
};

// Calls `write` with a sink on the new contents; `write` returns false when the sink failed.
FileWriteResult ReplaceFile(const std::filesystem::path& target,
                            const std::function<bool(ByteSink&)>& write);

// Whether writing `a` and writing `b` reach the same file: their links end at one file, or, where
// it is not there yet, at one name in one folder.
bool SameFileWritten(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace toroglav
